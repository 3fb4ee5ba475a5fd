<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Your Personal System Butler</source>
        <translation>O seu mordomo pessoal do sistema</translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation>🧹 Ficheiros inúteis - Liberte espaço valioso no disco</translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation>🌐 Dados do navegador - Proteja a sua privacidade</translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation>🔧 Registo - Melhore o desempenho do sistema</translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation>⚡ Gestor de arranque - Acelere o arranque</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation>Criado por Quelmo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>📊 Dashboard - Scan everything at once and clean in one click</source>
        <translation>📊 Painel - Analise tudo de uma vez e limpe com um clique</translation>
    </message>
    <message>
        <source>📁 Large Files - Find what takes up your disk</source>
        <translation>📁 Grandes ficheiros - Encontre o que ocupa o disco</translation>
    </message>
    <message>
        <source>📑 Duplicate Files - Remove identical copies</source>
        <translation>📑 Duplicados - Remova cópias idênticas</translation>
    </message>
    <message>
        <source>📦 App Uninstaller - Remove apps with their leftovers</source>
        <translation>📦 Desinstalar apps - Remova apps com os seus restos</translation>
    </message>
    <message>
        <source>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</source>
        <translation>🛡️ Privacidade - Apague listas de ficheiros recentes e outros vestígios</translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation>Parte do macOS</translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation>+%1 de resíduos</translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation>ID do pacote</translation>
    </message>
    <message>
        <source>name only</source>
        <translation>só o nome</translation>
    </message>
    <message>
        <source>shared with macOS</source>
        <translation>partilhado com o macOS</translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation>A app faz parte do macOS e não pode ser removida.</translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation>A app não está numa pasta Aplicações.</translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation>Encerre primeiro a app.</translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation>Não foi possível saber se a app está em execução. Encerre primeiro a app.</translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation>Não foi possível mover a app para o Lixo: %1.</translation>
    </message>
    <message>
        <source>It is on a read-only volume and cannot be removed.</source>
        <translation>Está num volume só de leitura e não pode ser removida.</translation>
    </message>
    <message>
        <source>It is no longer where the scan found it.</source>
        <translation>Já não está onde a análise a encontrou.</translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation>Desinstalar apps</translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation>Remover apps por completo, com os respetivos resíduos</translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation>Procurar apps...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation>Nenhuma app selecionada</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation>A analisar as apps instaladas...</translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation>Não foram encontradas apps nas pastas Aplicações.</translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation>Nenhuma app corresponde a «%1».</translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation>A desinstalar %1...</translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation>As apps serão movidas para o Lixo.</translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation>Confirmar desinstalação</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation>Não foi possível desinstalar %1.
%2</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln app</numerusform>
            <numerusform>%Ln apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 / %Ln apps</source>
        <translation>
            <numerusform>%1 / %Ln app</numerusform>
            <numerusform>%1 / %Ln apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln app(s) selected</source>
        <translation>
            <numerusform>%Ln app selecionada</numerusform>
            <numerusform>%Ln apps selecionadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln app(s) and their leftover files?</source>
        <translation>
            <numerusform>Desinstalar %Ln app e os respetivos resíduos?</numerusform>
            <numerusform>Desinstalar %Ln apps e os respetivos resíduos?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>e mais %Ln</numerusform>
            <numerusform>e mais %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apps and %Ln selected leftover items (%1) will be moved to Trash.</source>
        <translation>
            <numerusform>As apps e %Ln resíduo selecionado (%1) serão movidos para o Lixo.</numerusform>
            <numerusform>As apps e %Ln resíduos selecionados (%1) serão movidos para o Lixo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was moved to Trash, but %Ln of its leftover items could not be moved.</source>
        <translation>
            <numerusform>A app %1 foi movida para o Lixo, mas não foi possível mover %Ln dos respetivos resíduos.</numerusform>
            <numerusform>A app %1 foi movida para o Lixo, mas não foi possível mover %Ln dos respetivos resíduos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The app will be moved to the Trash.</source>
        <translation>A app será movida para o Lixo.</translation>
    </message>
    <message numerus="yes">
        <source>The app and %Ln selected leftover items (%1) will be moved to the Trash.</source>
        <translation>
            <numerusform>A app e %Ln resíduo selecionado (%1) serão movidos para o Lixo.</numerusform>
            <numerusform>A app e %Ln resíduos selecionados (%1) serão movidos para o Lixo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved %1 (%2) to the Trash.</source>
        <translation>A app %1 (%2) foi movida para o Lixo.</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 and %Ln leftover items (%2) to the Trash.</source>
        <translation>
            <numerusform>A app %1 e %Ln resíduo (%2) foram movidos para o Lixo.</numerusform>
            <numerusform>A app %1 e %Ln resíduos (%2) foram movidos para o Lixo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps (%1) to the Trash.</source>
        <translation>
            <numerusform>%Ln app (%1) foi movida para o Lixo.</numerusform>
            <numerusform>%Ln apps (%1) foram movidas para o Lixo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps and %1 (%2) to the Trash.</source>
        <translation>
            <numerusform>%Ln app e %1 (%2) foram movidos para o Lixo.</numerusform>
            <numerusform>%Ln apps e %1 (%2) foram movidos para o Lixo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover items</source>
        <translation>
            <numerusform>%Ln resíduo</numerusform>
            <numerusform>%Ln resíduos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation>Para limpar</translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation>Clique em «Iniciar análise» para encontrar elementos a limpar</translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation>Seleção: --</translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation>Iniciar análise</translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation>Limpar agora</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Nenhum elemento selecionado</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Confirmar limpeza</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>Tem a certeza de que pretende limpar %Ln elemento selecionado?
Esta ação não pode ser anulada!</numerusform>
            <numerusform>Tem a certeza de que pretende limpar %Ln elementos selecionados?
Esta ação não pode ser anulada!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln elemento limpo, %1 libertados</numerusform>
            <numerusform>%Ln elementos limpos, %1 libertados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items, %1</source>
        <translation>
            <numerusform>Seleção: %Ln elemento, %1</numerusform>
            <numerusform>Seleção: %Ln elementos, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln elemento</numerusform>
            <numerusform>%Ln elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items</source>
        <translation>
            <numerusform>Seleção: %Ln elemento</numerusform>
            <numerusform>Seleção: %Ln elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed and stay in the list with the reason.</source>
        <translation>
            <numerusform>Não foi possível remover %Ln elemento, que continua na lista com o motivo.</numerusform>
            <numerusform>Não foi possível remover %Ln elementos, que continuam na lista com o motivo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BrowserCleaner</name>
    <message>
        <source>Google Chrome</source>
        <translation>Google Chrome</translation>
    </message>
    <message>
        <source>Microsoft Edge</source>
        <translation>Microsoft Edge</translation>
    </message>
    <message>
        <source>Mozilla Firefox</source>
        <translation>Mozilla Firefox</translation>
    </message>
    <message>
        <source>Opera</source>
        <translation>Opera</translation>
    </message>
    <message>
        <source>Brave</source>
        <translation>Brave</translation>
    </message>
    <message>
        <source>Safari</source>
        <translation>Safari</translation>
    </message>
    <message>
        <source>These browsers are running and were skipped; close them to clean them:
%1</source>
        <translation>Estes navegadores estão abertos e foram ignorados; feche-os para os limpar:
%1</translation>
    </message>
    <message>
        <source>outside the browsers&apos; folders</source>
        <translation>fora das pastas dos navegadores</translation>
    </message>
    <message>
        <source>the history could not be cleared</source>
        <translation>não foi possível limpar o histórico</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>não foi possível removê-lo</translation>
    </message>
    <message>
        <source>the records could not be cleared</source>
        <translation>não foi possível limpar os registos</translation>
    </message>
</context>
<context>
    <name>BrowserGroupHeader</name>
    <message numerus="yes">
        <source>%Ln items  ·  %1</source>
        <translation>
            <numerusform>%Ln elemento  ·  %1</numerusform>
            <numerusform>%Ln elementos  ·  %1</numerusform>
        </translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>Ver detalhes</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
</context>
<context>
    <name>BrowserPage</name>
    <message>
        <source>Browser Cleaner</source>
        <translation>Dados do navegador</translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation>Limpar caches, cookies e histórico dos seus navegadores</translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation>Navegadores:</translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation>Não foi encontrado nenhum navegador suportado para este utilizador.</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Encontrado</translation>
    </message>
</context>
<context>
    <name>CategoryWidget</name>
    <message numerus="yes">
        <source>%Ln items</source>
        <translation>
            <numerusform>%Ln elemento</numerusform>
            <numerusform>%Ln elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Load more (%Ln remaining)</source>
        <translation>
            <numerusform>Carregar mais (falta %Ln)</numerusform>
            <numerusform>Carregar mais (faltam %Ln)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CircleProgressWidget</name>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>Pode ser limpo</translation>
    </message>
</context>
<context>
    <name>CleanItem</name>
    <message>
        <source>Low</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message numerus="yes">
        <source>%n B</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>Tamanho desconhecido</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>pelo menos %1</translation>
    </message>
</context>
<context>
    <name>CleanItemWidget</name>
    <message>
        <source>Not removed: %1</source>
        <translation>Não removido: %1</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation>Pronto para limpar o seu Mac</translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation>Clique no botão abaixo para procurar ficheiros inúteis e libertar espaço</translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation>🔍  Iniciar análise completa</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>A preparar...</translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation>Sweepnook %1</translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation>Mantenha o seu Mac no máximo desempenho</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Ficheiros inúteis</translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation>Problemas do registo</translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation>Pronto para analisar</translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation>🔍 Iniciar análise</translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation>🗑️ Limpar tudo</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation>&lt;span style=&apos;font-weight:600;&apos;&gt;Dica:&lt;/span&gt; Limpar regularmente pode melhorar bastante o desempenho do seu Mac</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>A analisar...</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>Pode ser limpo</translation>
    </message>
    <message>
        <source>Last scan: just now</source>
        <translation>Última análise: agora mesmo</translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln min ago</source>
        <translation>
            <numerusform>Última análise: há %Ln min</numerusform>
            <numerusform>Última análise: há %Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln h ago</source>
        <translation>
            <numerusform>Última análise: há %Ln h</numerusform>
            <numerusform>Última análise: há %Ln h</numerusform>
        </translation>
    </message>
    <message>
        <source>Last scan: %1</source>
        <translation>Última análise: %1</translation>
    </message>
    <message>
        <source>Cleaned %1</source>
        <translation>%1 limpos</translation>
    </message>
    <message>
        <source>Ring: %1 of what the scan found is selected</source>
        <translation>Anel: %1 do que a análise encontrou está selecionado</translation>
    </message>
    <message>
        <source>The scan found nothing to clean</source>
        <translation>A análise não encontrou nada para limpar</translation>
    </message>
    <message>
        <source>Can be cleaned (at least)</source>
        <translation>Pode ser limpo (pelo menos)</translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar no Finder</translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation>Procurar duplicados</translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation>Encontrar e remover ficheiros idênticos para libertar espaço no disco</translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation>SELECIONAR LOCALIZAÇÃO</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pasta pessoal</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Secretária</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmes</translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation>Volume do utilizador</translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation>Disco inteiro</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Tamanho mínimo:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Iniciar análise</translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation>A recolher ficheiros...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation>← Nova análise</translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation>Manter mais recente  ▾</translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation>Manter mais recente  (apagar duplicados mais antigos)</translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation>Manter mais antigo   (apagar duplicados mais recentes)</translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation>Manter mais antigo  ▾</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Escolher pasta a analisar</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>Escolher outra pasta…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation>Caminho: (nenhum selecionado)</translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation>Nenhuma localização selecionada</translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation>Selecione pelo menos uma localização a analisar.</translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation>Análise do disco inteiro</translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation>Analisar o disco inteiro pode demorar vários minutos.
Continuar?</translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation>A analisar ficheiros...</translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation>A ler %1  ·  %2 de %3</translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation>Nenhum duplicado encontrado</translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation>Boas notícias! Não foram encontrados ficheiros duplicados. 🎉</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>A cancelar...</translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation>  ·  %1 libertados</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminação</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover para o Lixo</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Apagar permanentemente</translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation>A apagar…</translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation>A apagar %1 / %2</translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation>Duplicados removidos</translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation>Falha parcial</translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation>O ficheiro de registo indica cada ficheiro e o motivo.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; grupo  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 podem ser libertados&lt;/span&gt;</numerusform>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; grupos  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 podem ser libertados&lt;/span&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln file(s) to the Trash, or delete them permanently?</source>
        <translation>
            <numerusform>Mover %Ln ficheiro para o Lixo ou apagá-lo permanentemente?</numerusform>
            <numerusform>Mover %Ln ficheiros para o Lixo ou apagá-los permanentemente?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every copy of %Ln group(s) is checked: the newest copy of each will be kept.</source>
        <translation>
            <numerusform>Todas as cópias de %Ln grupo estão assinaladas: a cópia mais recente será mantida.</numerusform>
            <numerusform>Todas as cópias de %Ln grupos estão assinaladas: a cópia mais recente de cada um será mantida.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %Ln file(s)?
This cannot be undone.</source>
        <translation>
            <numerusform>Apagar permanentemente %Ln ficheiro?
Esta ação não pode ser anulada.</numerusform>
            <numerusform>Apagar permanentemente %Ln ficheiros?
Esta ação não pode ser anulada.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) deleted permanently (%1).</source>
        <translation>
            <numerusform>%Ln ficheiro apagado permanentemente (%1).</numerusform>
            <numerusform>%Ln ficheiros apagados permanentemente (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) moved to the Trash (%1); you can put them back from there.</source>
        <translation>
            <numerusform>%Ln ficheiro movido para o Lixo (%1); pode repô-lo a partir daí.</numerusform>
            <numerusform>%Ln ficheiros movidos para o Lixo (%1); pode repô-los a partir daí.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be deleted.</source>
        <translation>
            <numerusform>Não foi possível apagar %Ln ficheiro.</numerusform>
            <numerusform>Não foi possível apagar %Ln ficheiros.</numerusform>
        </translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Caminho: %1</translation>
    </message>
    <message>
        <source>Deleted permanently: %1</source>
        <translation>Apagado permanentemente: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>Movido para o Lixo: %1</translation>
    </message>
    <message>
        <source>Left in place: %1</source>
        <translation>Deixado no lugar: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.</source>
        <translation>
            <numerusform>Não foi possível mover %Ln ficheiro para o Lixo e ficou no lugar; nada foi apagado.</numerusform>
            <numerusform>Não foi possível mover %Ln ficheiros para o Lixo e ficaram no lugar; nenhum foi apagado.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 KB</source>
        <translation>1 KB</translation>
    </message>
    <message>
        <source>100 KB</source>
        <translation>100 KB</translation>
    </message>
    <message>
        <source>1 MB</source>
        <translation>1 MB</translation>
    </message>
    <message>
        <source>10 MB</source>
        <translation>10 MB</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100 MB</translation>
    </message>
    <message>
        <source>  ·  %1 in the Trash until you empty it</source>
        <translation>  ·  %1 no Lixo até o esvaziar</translation>
    </message>
    <message>
        <source>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</source>
        <translation>Marcadas: todas as cópias exceto o provável original (fora de Transferências, sem «cópia» ou «(1)» no nome, o mais antigo, o caminho mais curto). 🔒 As cópias dentro de apps, pacotes e Biblioteca nunca são marcadas.</translation>
    </message>
    <message>
        <source>Keep Original  ▾</source>
        <translation>Manter original  ▾</translation>
    </message>
    <message>
        <source>Keep Original  (the likely original of each group)</source>
        <translation>Manter original  (o provável original de cada grupo)</translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>save %1</source>
        <translation>poupa %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln identical files  ·  %1 each  ·  </source>
        <translation>
            <numerusform>%Ln ficheiro idêntico  ·  %1 cada  ·  </numerusform>
            <numerusform>%Ln ficheiros idênticos  ·  %1 cada  ·  </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>está em utilização</translation>
    </message>
    <message>
        <source>the volume is read-only</source>
        <translation>o volume é só de leitura</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>a pasta não está vazia</translation>
    </message>
    <message>
        <source>another volume is mounted there</source>
        <translation>há outro volume montado aí</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it changed while being removed</source>
        <translation>foi alterado durante a remoção</translation>
    </message>
    <message>
        <source>its folder is not open</source>
        <translation>a pasta não está aberta</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>fora de %1</translation>
    </message>
    <message>
        <source>the folder itself</source>
        <translation>a própria pasta</translation>
    </message>
    <message>
        <source>&quot;.&quot; or &quot;..&quot; in the path</source>
        <translation>«.» ou «..» no caminho</translation>
    </message>
    <message>
        <source>a link or a file on the way: %1</source>
        <translation>uma ligação ou um ficheiro no caminho: %1</translation>
    </message>
    <message>
        <source>another volume on the way: %1</source>
        <translation>outro volume no caminho: %1</translation>
    </message>
    <message>
        <source>it changed since it was chosen</source>
        <translation>foi alterado desde que foi escolhido</translation>
    </message>
</context>
<context>
    <name>HomeTrash</name>
    <message>
        <source>it is no longer there</source>
        <translation>o elemento já não está lá</translation>
    </message>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation>não foi possível consultar o Finder (o osascript não arrancou)</translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation>o Finder não respondeu em %1 segundos; pode estar à espera da sua autorização ou palavra-passe</translation>
    </message>
    <message>
        <source>the Finder left it where it was</source>
        <translation>o Finder deixou-o onde estava</translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation>O Sweepnook não tem permissão para controlar o Finder (Definições do Sistema &gt; Privacidade e segurança &gt; Automação)</translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation>o Finder recusou (código de saída %1)</translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation>o Finder recusou: %1</translation>
    </message>
    <message>
        <source>the Trash folder cannot be used: %1</source>
        <translation>não é possível usar a pasta do Lixo: %1</translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation>está num volume diferente do seu Lixo</translation>
    </message>
    <message>
        <source>it is in the Trash already</source>
        <translation>o elemento já está no Lixo</translation>
    </message>
    <message>
        <source>too many items of that name in the Trash</source>
        <translation>demasiados elementos com esse nome no Lixo</translation>
    </message>
    <message>
        <source>a volume is mounted inside it (%1)</source>
        <translation>há um volume montado dentro dele (%1)</translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message numerus="yes">
        <source>%1  |  %Ln files</source>
        <translation>
            <numerusform>%1  |  %Ln ficheiro</numerusform>
            <numerusform>%1  |  %Ln ficheiros</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>JunkCleaner</name>
    <message>
        <source>outside the folders of its rule</source>
        <translation>fora das pastas da respetiva regra</translation>
    </message>
    <message>
        <source>These browsers are running, so their caches were left; close them to clean them:
%1</source>
        <translation>Estes navegadores estão abertos, por isso as suas caches foram mantidas; feche-os para as limpar:
%1</translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation>Ficheiros inúteis</translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation>Limpar ficheiros temporários do sistema, caches e registos</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Encontrado</translation>
    </message>
</context>
<context>
    <name>LargeFileDelegate</name>
    <message>
        <source>In iCloud</source>
        <translation>No iCloud</translation>
    </message>
    <message>
        <source>%1, %2 on disk</source>
        <translation>%1, %2 em disco</translation>
    </message>
    <message>
        <source>via %1</source>
        <translation>via %1</translation>
    </message>
</context>
<context>
    <name>LargeFilePage</name>
    <message>
        <source>Find Large Files</source>
        <translation>Encontrar ficheiros grandes</translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation>Analisar os seus discos e remover os ficheiros que ocupam mais espaço</translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation>SELECIONAR VOLUME</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Tamanho mínimo:</translation>
    </message>
    <message>
        <source>50 MB</source>
        <translation>50 MB</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100 MB</translation>
    </message>
    <message>
        <source>200 MB</source>
        <translation>200 MB</translation>
    </message>
    <message>
        <source>500 MB</source>
        <translation>500 MB</translation>
    </message>
    <message>
        <source>1 GB</source>
        <translation>1 GB</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Iniciar análise</translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation>Resultados da análise</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Todos os tipos</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Pacotes</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>Maiores primeiro</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Mais recentes primeiro</translation>
    </message>
    <message>
        <source>← Back</source>
        <translation>← Voltar</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Apagar seleção</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Disco local</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Remover da lista</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>Adicionar localização</translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation>Selecione um volume acima para iniciar a análise.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation>
            <numerusform>%Ln volume selecionado. O Sweepnook vai procurar ficheiros maiores do que %1.</numerusform>
            <numerusform>%Ln volumes selecionados. O Sweepnook vai procurar ficheiros maiores do que %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Escolher pasta a analisar</translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation>Tamanho personalizado</translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation>Introduza o tamanho mínimo (MB):</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Please select at least one drive to scan.</source>
        <translation>Selecione pelo menos um disco a analisar.</translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation>Não foram encontrados ficheiros grandes que correspondam aos critérios.</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Análise concluída</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 libertados</translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation>%1 no Lixo até o esvaziar</translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation>Apagar este ficheiro</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminação</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover para o Lixo</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Apagar permanentemente</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation>Tem a certeza de que pretende apagar este ficheiro?

%1
Tamanho: %2</translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation>Este ficheiro está apenas no iCloud: apagá-lo não liberta espaço neste Mac e remove-o de todos os seus dispositivos.</translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>«Mover para o Lixo» guarda-o até esvaziar o Lixo. «Apagar permanentemente» não pode ser anulado!</translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>«Mover para o Lixo» guarda-os até esvaziar o Lixo. «Apagar permanentemente» não pode ser anulado!</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>A apagar...</translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation>Não é possível apagar este ficheiro. Pode estar a ser usado por outro programa.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Falha ao apagar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation>Todos os ficheiros foram apagados</translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation>%1 movidos para o Lixo: esvazie o Lixo para libertar o espaço.</translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation>%1 libertados.</translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation>Eliminação concluída</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files, total %1</source>
        <translation>
            <numerusform>Encontrado %Ln ficheiro grande, total %1</numerusform>
            <numerusform>Encontrados %Ln ficheiros grandes, total %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln files (%1)</source>
        <translation>
            <numerusform>Seleção: %Ln ficheiro (%1)</numerusform>
            <numerusform>Seleção: %Ln ficheiros (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the selected %Ln files?

Total: %1</source>
        <translation>
            <numerusform>Tem a certeza de que pretende apagar %Ln ficheiro selecionado?

Total: %1</numerusform>
            <numerusform>Tem a certeza de que pretende apagar os %Ln ficheiros selecionados?

Total: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln files successfully.</source>
        <translation>
            <numerusform>%Ln ficheiro apagado com sucesso.</numerusform>
            <numerusform>%Ln ficheiros apagados com sucesso.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1 usados</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 no total</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar no Finder</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files failed to delete.</source>
        <translation>
            <numerusform>Não foi possível apagar %Ln ficheiro.</numerusform>
            <numerusform>Não foi possível apagar %Ln ficheiros.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeFileScanner</name>
    <message>
        <source>It changed since the scan</source>
        <translation>Foi alterado desde a análise</translation>
    </message>
    <message>
        <source>It is not among the results of the scan</source>
        <translation>Não está entre os resultados da análise</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>Erro de configuração</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>Não foi possível carregar a ligação da página.

Contacte o suporte técnico ou reinstale a aplicação.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Não é possível abrir o navegador</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>Não foi possível abrir o navegador predefinido.

Copie a ligação e abra-a manualmente:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dashboard</source>
        <translation>Painel</translation>
    </message>
    <message>
        <source>Junk Cleaner</source>
        <translation>Ficheiros inúteis</translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Grandes ficheiros</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Otimização</translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation>Desinstalar apps</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Privacidade</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Sweepnook - Mac Cleaning Tool</source>
        <translation>Sweepnook - Limpeza para Mac</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Mostrar janela principal</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Nenhum elemento selecionado</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Confirmar limpeza</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>Tem a certeza de que pretende limpar %Ln elemento selecionado (%1)?
Esta ação não pode ser anulada!</numerusform>
            <numerusform>Tem a certeza de que pretende limpar %Ln elementos selecionados (%1)?
Esta ação não pode ser anulada!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln elemento limpo, %1 libertados</numerusform>
            <numerusform>%Ln elementos limpos, %1 libertados</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Cancelado. %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items could not be removed.</source>
        <translation>
            <numerusform>Não foi possível remover %Ln elemento.</numerusform>
            <numerusform>Não foi possível remover %Ln elementos.</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation>Ainda há uma limpeza em curso. Analise novamente quando terminar.</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation>Acerca do Sweepnook</translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation>por Quelmo</translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation>A forma mais inteligente de manter o seu Mac limpo, rápido e privado.&lt;br&gt;Remova ficheiros inúteis, rastos do navegador, ficheiros duplicados&lt;br&gt;e riscos de privacidade — tudo com um clique.</translation>
    </message>
    <message>
        <source>© 2026 Quelmo. All rights reserved.</source>
        <translation>© 2026 Quelmo. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation>Sweepnook</translation>
    </message>
    <message>
        <source>Program minimized to system tray. Double-click the icon to restore.</source>
        <translation>Programa minimizado para a barra de menus. Faça duplo clique no ícone para o restaurar.</translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation>Conteúdo da área de transferência</translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation>Texto, imagens ou ficheiros copiados neste momento para a área de transferência</translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation>Cache de pré-visualizações da Vista rápida</translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation>Pré-visualizações de ficheiros em cache geradas pela Vista rápida (Quick Look) do macOS</translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation>Lista de ficheiros recentes</translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation>Lista do macOS com os ficheiros e apps abertos recentemente</translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation>Histórico de notificações</translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation>Registos em base de dados de todas as notificações recebidas das apps</translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation>Cache DNS</translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation>Pesquisas DNS em cache que registam os domínios visitados recentemente</translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation>Nada encontrado</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>Tamanho desconhecido</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln elemento</numerusform>
            <numerusform>%Ln elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Not scanned</source>
        <translation>Não analisado</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Limpo</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 libertados</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Não limpo</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>Risco elevado</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Limpo em parte</translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Privacidade</translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation>Apagar os rastos que a utilização diária deixa neste Mac</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analisar</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>Análise interrompida</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>A parar…</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>A analisar: %1</translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation>A limpar: %1 de %2 concluídos</translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation>Não limpos: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %Ln item(s)</source>
        <translation>
            <numerusform>Interrompido: %Ln elemento ignorado</numerusform>
            <numerusform>Interrompido: %Ln elementos ignorados</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Analisar novamente</translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation>Analise para medir os rastos neste Mac</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>A analisar…</translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation>A limpar…</translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln item(s)</source>
        <translation>
            <numerusform>Seleção: %Ln elemento</numerusform>
            <numerusform>Seleção: %Ln elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>Nenhum elemento selecionado</translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation>Confirmar limpeza</translation>
    </message>
    <message numerus="yes">
        <source>Clean %Ln selected item(s)?</source>
        <translation>
            <numerusform>Limpar %Ln elemento selecionado?</numerusform>
            <numerusform>Limpar %Ln elementos selecionados?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esta ação não pode ser anulada.</translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln item(s) · freed %1</source>
        <translation>
            <numerusform>%Ln elemento limpo · %1 libertados</numerusform>
            <numerusform>%Ln elementos limpos · %1 libertados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Scanning...</source>
        <translation>A analisar...</translation>
    </message>
    <message>
        <source>Cleaning...</source>
        <translation>A limpar...</translation>
    </message>
    <message>
        <source>正在分析系统...</source>
        <translation>A analisar o sistema...</translation>
    </message>
    <message>
        <source>正在删除文件...</source>
        <translation>A apagar ficheiros...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>已清理: %1</source>
        <translation>Limpo: %1</translation>
    </message>
    <message>
        <source>完成!</source>
        <translation>Concluído!</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>A operação falhou</translation>
    </message>
    <message>
        <source>Partly done</source>
        <translation>Concluído em parte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Guardar tudo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sim para &amp;todos</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ão para todos</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Repor predefinições</translation>
    </message>
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation>A limpeza do registo só está disponível no Windows</translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation>O macOS guarda as definições em ficheiros de preferências e não num registo, por isso não há nada a limpar aqui.</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>System Temporary Files</source>
        <translation>Ficheiros temporários do sistema</translation>
    </message>
    <message>
        <source>System temp folder and intermediate build files</source>
        <translation>Pasta temporária do sistema e ficheiros intermédios de compilação</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>Caches de apps</translation>
    </message>
    <message>
        <source>Cached data generated by installed applications</source>
        <translation>Dados em cache gerados pelas apps instaladas</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>Caches de navegadores</translation>
    </message>
    <message>
        <source>Cache files from Safari, Chrome, Firefox, Edge, Brave</source>
        <translation>Ficheiros de cache do Safari, Chrome, Firefox, Edge, Brave</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>Ficheiros de registo</translation>
    </message>
    <message>
        <source>System and application log files</source>
        <translation>Registos do sistema e das apps</translation>
    </message>
    <message>
        <source>Crash Reports</source>
        <translation>Relatórios de falhas</translation>
    </message>
    <message>
        <source>Application and system crash dump files</source>
        <translation>Ficheiros de despejo de falhas das apps e do sistema</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Lixo</translation>
    </message>
    <message>
        <source>Files in the Trash waiting to be permanently deleted</source>
        <translation>Ficheiros no Lixo à espera de serem apagados definitivamente</translation>
    </message>
    <message>
        <source>Download Installers</source>
        <translation>Instaladores transferidos</translation>
    </message>
    <message>
        <source>Installer packages accumulated in the Downloads folder</source>
        <translation>Pacotes de instalação acumulados na pasta Transferências</translation>
    </message>
    <message>
        <source>QuickLook Cache</source>
        <translation>Cache da Vista rápida</translation>
    </message>
    <message>
        <source>macOS QuickLook preview thumbnail cache</source>
        <translation>Cache das miniaturas de pré-visualização da Vista rápida do macOS</translation>
    </message>
    <message>
        <source>Homebrew Cache</source>
        <translation>Cache do Homebrew</translation>
    </message>
    <message>
        <source>Homebrew package manager download and build cache</source>
        <translation>Cache de transferências e compilação do gestor de pacotes Homebrew</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>Caches de programação</translation>
    </message>
    <message>
        <source>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</source>
        <translation>Dados derivados do Xcode, simuladores, caches de npm, pip, Gradle, Maven</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>Cópias de segurança do iOS</translation>
    </message>
    <message>
        <source>iPhone / iPad local backups stored on this Mac</source>
        <translation>Cópias de segurança locais de iPhone / iPad guardadas neste Mac</translation>
    </message>
    <message>
        <source>Large Old Files</source>
        <translation>Ficheiros antigos grandes</translation>
    </message>
    <message>
        <source>Old iOS firmware, app installers, and large unused data</source>
        <translation>Firmware antigo do iOS, instaladores de apps e dados grandes sem uso</translation>
    </message>
    <message>
        <source>Office Cache</source>
        <translation>Cache do Office</translation>
    </message>
    <message>
        <source>Microsoft Office and Apple iWork temporary files</source>
        <translation>Ficheiros temporários do Microsoft Office e do Apple iWork</translation>
    </message>
    <message>
        <source>Font Cache</source>
        <translation>Cache de tipos de letra</translation>
    </message>
    <message>
        <source>System font cache files</source>
        <translation>Ficheiros de cache dos tipos de letra do sistema</translation>
    </message>
    <message>
        <source>Prefetch Files</source>
        <translation>Ficheiros Prefetch</translation>
    </message>
    <message>
        <source>Windows Prefetch cache files</source>
        <translation>Ficheiros de cache Prefetch do Windows</translation>
    </message>
    <message>
        <source>Windows Update Cache</source>
        <translation>Cache do Windows Update</translation>
    </message>
    <message>
        <source>Windows Update download cache</source>
        <translation>Cache de transferências do Windows Update</translation>
    </message>
    <message>
        <source>Memory Dumps</source>
        <translation>Despejos de memória</translation>
    </message>
    <message>
        <source>System crash and error dump files (Windows)</source>
        <translation>Ficheiros de despejo de falhas e erros do sistema (Windows)</translation>
    </message>
    <message>
        <source>Windows Defender Cache</source>
        <translation>Cache do Windows Defender</translation>
    </message>
    <message>
        <source>Microsoft Defender scan history and backup cache</source>
        <translation>Histórico de análises e cache de cópias do Microsoft Defender</translation>
    </message>
    <message>
        <source>GPU Shader Cache</source>
        <translation>Cache de shaders da GPU</translation>
    </message>
    <message>
        <source>GPU driver shader and DirectX cache (NVIDIA / AMD)</source>
        <translation>Cache de shaders do controlador gráfico e do DirectX (NVIDIA / AMD)</translation>
    </message>
    <message>
        <source>Old Windows Installation</source>
        <translation>Instalação antiga do Windows</translation>
    </message>
    <message>
        <source>Old system backups remaining after a Windows upgrade</source>
        <translation>Cópias antigas do sistema que ficaram após uma atualização do Windows</translation>
    </message>
    <message>
        <source>Browser Cache</source>
        <translation>Cache do navegador</translation>
    </message>
    <message>
        <source>Temporary web page cache files</source>
        <translation>Ficheiros temporários de páginas web em cache</translation>
    </message>
    <message>
        <source>Code Cache</source>
        <translation>Cache de código</translation>
    </message>
    <message>
        <source>JavaScript code cache</source>
        <translation>Cache de código JavaScript</translation>
    </message>
    <message>
        <source>GPU Cache</source>
        <translation>Cache da GPU</translation>
    </message>
    <message>
        <source>GPU rendering cache</source>
        <translation>Cache de renderização da GPU</translation>
    </message>
    <message>
        <source>Shader Cache</source>
        <translation>Cache de shaders</translation>
    </message>
    <message>
        <source>GPU shader compilation cache</source>
        <translation>Cache de compilação de shaders da GPU</translation>
    </message>
    <message>
        <source>Service Workers</source>
        <translation>Service Workers</translation>
    </message>
    <message>
        <source>Service Worker cache</source>
        <translation>Cache dos Service Workers</translation>
    </message>
    <message>
        <source>Blob Storage</source>
        <translation>Armazenamento de blobs</translation>
    </message>
    <message>
        <source>Temporary binary data storage</source>
        <translation>Armazenamento temporário de dados binários</translation>
    </message>
    <message>
        <source>WebRTC Logs</source>
        <translation>Registos do WebRTC</translation>
    </message>
    <message>
        <source>Video call debug logs</source>
        <translation>Registos de depuração de videochamadas</translation>
    </message>
    <message>
        <source>Browser crash report files</source>
        <translation>Relatórios de falhas do navegador</translation>
    </message>
    <message>
        <source>Browser Logs</source>
        <translation>Registos do navegador</translation>
    </message>
    <message>
        <source>Browser debug and error logs</source>
        <translation>Registos de depuração e de erros do navegador</translation>
    </message>
    <message>
        <source>Website Thumbnails</source>
        <translation>Miniaturas de sites</translation>
    </message>
    <message>
        <source>New Tab page website thumbnails</source>
        <translation>Miniaturas de sites da página Novo separador</translation>
    </message>
    <message>
        <source>Favicon Cache</source>
        <translation>Cache de favicons</translation>
    </message>
    <message>
        <source>Website icon (favicon) cache</source>
        <translation>Cache de ícones de sites (favicons)</translation>
    </message>
    <message>
        <source>Local Storage</source>
        <translation>Armazenamento local</translation>
    </message>
    <message>
        <source>Website Local Storage (site settings may be lost)</source>
        <translation>Armazenamento local de sites (as definições dos sites podem perder-se)</translation>
    </message>
    <message>
        <source>IndexedDB</source>
        <translation>IndexedDB</translation>
    </message>
    <message>
        <source>Website database storage (offline data may be lost)</source>
        <translation>Bases de dados de sites (os dados offline podem perder-se)</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Website Cookies (requires re-login to all sites)</source>
        <translation>Cookies de sites (terá de iniciar sessão novamente em todos os sites)</translation>
    </message>
    <message>
        <source>Browsing History</source>
        <translation>Histórico de navegação</translation>
    </message>
    <message>
        <source>Web browsing history records</source>
        <translation>Registo dos sites visitados</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>Histórico de transferências</translation>
    </message>
    <message>
        <source>Download history records (downloaded files are not deleted)</source>
        <translation>Registo de transferências (os ficheiros transferidos não são apagados)</translation>
    </message>
    <message>
        <source>Session Data</source>
        <translation>Dados de sessão</translation>
    </message>
    <message>
        <source>Current and recent session data (tabs may be lost)</source>
        <translation>Dados da sessão atual e de sessões recentes (os separadores podem perder-se)</translation>
    </message>
    <message>
        <source>Form Data</source>
        <translation>Dados de formulários</translation>
    </message>
    <message>
        <source>Autofill form data (requires re-entry after cleaning)</source>
        <translation>Dados de preenchimento automático (terão de ser reintroduzidos após a limpeza)</translation>
    </message>
    <message>
        <source>Safe Browsing Data</source>
        <translation>Dados da Navegação segura</translation>
    </message>
    <message>
        <source>Safe Browsing protection data (not recommended to clean)</source>
        <translation>Dados de proteção da Navegação segura (não se recomenda limpar)</translation>
    </message>
    <message>
        <source>Thumbnail Cache</source>
        <translation>Cache de miniaturas</translation>
    </message>
    <message>
        <source>Preview pictures of your files made by the desktop and file manager</source>
        <translation>Imagens de pré-visualização dos seus ficheiros criadas pelo ambiente de trabalho e pelo gestor de ficheiros</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>Caches de pacotes</translation>
    </message>
    <message>
        <source>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</source>
        <translation>Transferências e compilações guardadas por pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven e ccache</translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation>A procurar ficheiros grandes...</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>A preparar...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>A analisar: %1</translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation>Análise concluída</translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation>Análise concluída</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Ver resultados</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files (%1)</source>
        <translation>
            <numerusform>Encontrado %Ln ficheiro grande (%1)</numerusform>
            <numerusform>Encontrados %Ln ficheiros grandes (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Abrir ao iniciar sessão</translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation>Minimizar para a barra de menus ao fechar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation>Confirmar antes de limpar</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpeza</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Abrir ao iniciar sessão</translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation>Não foi possível configurar o Sweepnook para abrir ao iniciar sessão. O ficheiro de registo tem os detalhes.</translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation>Não foi possível impedir que o Sweepnook abra ao iniciar sessão. O ficheiro de registo tem os detalhes.</translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostrar no Finder</translation>
    </message>
</context>
<context>
    <name>StartupListModel</name>
    <message>
        <source>HKCU Run</source>
        <translation>HKCU Run</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>Pasta de arranque</translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation>Sweepnook</translation>
    </message>
    <message>
        <source>LaunchAgent</source>
        <translation>LaunchAgent</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation>Elementos de arranque</translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation>Agentes e daemons de todo o sistema</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation>Programa em falta</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation>A analisar %1...</translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation>A analisar elementos de arranque...</translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation>A analisar apps instaladas...</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Startup Manager</source>
        <translation>Gestor de arranque</translation>
    </message>
    <message>
        <source>Manage programs that run automatically at startup</source>
        <translation>Gerir os programas que abrem automaticamente no arranque</translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation>Procurar programas...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation>⚠️ Só é possível remover os seus próprios elementos de arranque</translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation>A analisar programas instalados...</translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation>O primeiro carregamento pode demorar alguns segundos</translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation>Não é possível modificar</translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation>Este elemento de arranque não foi criado pelo Sweepnook e não pode ser removido aqui.</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>A operação falhou</translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation>Não foi possível remover «%1» do arranque.</translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation>Não foi possível adicionar «%1» ao arranque.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln startup items</source>
        <translation>
            <numerusform>%Ln elemento de arranque</numerusform>
            <numerusform>%Ln elementos de arranque</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln apps</source>
        <translation>
            <numerusform>%Ln app</numerusform>
            <numerusform>%Ln apps</numerusform>
        </translation>
    </message>
    <message>
        <source>No startup items or apps found</source>
        <translation>Não foram encontrados elementos de arranque nem apps</translation>
    </message>
    <message>
        <source>No startup items match &quot;%1&quot;</source>
        <translation>Nenhum elemento de arranque corresponde a “%1”</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma alterado</translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation>O idioma foi alterado.

A aplicação vai ser reiniciada agora.</translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation>Falha ao reiniciar</translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation>O Sweepnook não conseguiu reiniciar-se.

Saia e volte a abri-lo para usar o novo idioma.</translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation>Este ajuste altera definições do Windows e só funciona no Windows.</translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation>Interrompido antes de todos os serviços serem alterados.</translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation>Não foi possível alterar o tipo de arranque do serviço «%1».</translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation>Não foi possível adicionar o plano de energia «Desempenho Máximo».</translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation>Estes ajustes alteram definições do Windows e só atuam no Windows. Nada é alterado neste Mac.</translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation>Ajustes do sistema</translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation>Afinar as definições de privacidade, desempenho e interface do Windows</translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation>Aplicar recomendados</translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation>Não há ajustes disponíveis.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation>Só funciona com a Proteção contra Adulterações desativada na Segurança do Windows.</translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation>Disponível apenas no Windows</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidade</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Segurança</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation>%1 de %2 ativos</translation>
    </message>
</context>
<context>
    <name>UnreadableNote</name>
    <message numerus="yes">
        <source>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation>
            <numerusform>Não foi possível ler %Ln pasta: %1. Para a incluir, conceda ao Sweepnook acesso total ao disco em Definições do Sistema &gt; Privacidade e segurança.</numerusform>
            <numerusform>Não foi possível ler %Ln pastas, entre elas %1. Para as incluir, conceda ao Sweepnook acesso total ao disco em Definições do Sistema &gt; Privacidade e segurança.</numerusform>
        </translation>
    </message>
</context>
</TS>
