<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Your Personal System Butler</source>
        <translation>Tu mayordomo personal del sistema</translation>
    </message>
    <message>
        <source>🧹 Junk Cleaner - Free up valuable disk space</source>
        <translation>🧹 Limpieza de archivos basura - Libera valioso espacio en disco</translation>
    </message>
    <message>
        <source>🌐 Browser Cleaner - Protect your privacy</source>
        <translation>🌐 Limpieza de navegadores - Protege tu privacidad</translation>
    </message>
    <message>
        <source>🔧 Registry Cleaner - Boost system performance</source>
        <translation>🔧 Limpieza del registro - Mejora el rendimiento del sistema</translation>
    </message>
    <message>
        <source>⚡ Startup Manager - Speed up boot time</source>
        <translation>⚡ Gestor de arranque - Reduce el tiempo de arranque</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Made by Quelmo</source>
        <translation>Creado por Quelmo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>📊 Dashboard - Scan everything at once and clean in one click</source>
        <translation>📊 Panel - Analiza todo a la vez y limpia con un clic</translation>
    </message>
    <message>
        <source>📁 Large Files - Find what takes up your disk</source>
        <translation>📁 Archivos grandes - Encuentra lo que ocupa tu disco</translation>
    </message>
    <message>
        <source>📑 Duplicate Files - Remove identical copies</source>
        <translation>📑 Duplicados - Elimina las copias idénticas</translation>
    </message>
    <message>
        <source>📦 App Uninstaller - Remove apps with their leftovers</source>
        <translation>📦 Desinstalador de apps - Elimina apps con sus restos</translation>
    </message>
    <message>
        <source>🛡️ Privacy Cleaner - Clear recent-files lists and other traces</source>
        <translation>🛡️ Privacidad - Borra las listas de archivos recientes y otros rastros</translation>
    </message>
</context>
<context>
    <name>AppCardDelegate</name>
    <message>
        <source>Part of macOS</source>
        <translation>Forma parte de macOS</translation>
    </message>
    <message>
        <source>+%1 leftovers</source>
        <translation>+%1 de restos</translation>
    </message>
    <message>
        <source>bundle identifier</source>
        <translation>ID de paquete</translation>
    </message>
    <message>
        <source>name only</source>
        <translation>solo el nombre</translation>
    </message>
    <message>
        <source>shared with macOS</source>
        <translation>compartido con macOS</translation>
    </message>
</context>
<context>
    <name>AppUninstaller</name>
    <message>
        <source>It is part of macOS and cannot be removed.</source>
        <translation>Esta app forma parte de macOS y no se puede eliminar.</translation>
    </message>
    <message>
        <source>It is not in an Applications folder.</source>
        <translation>Esta app no está en una carpeta Aplicaciones.</translation>
    </message>
    <message>
        <source>Close the app first.</source>
        <translation>Cierra la app primero.</translation>
    </message>
    <message>
        <source>Could not tell whether it is running. Close the app first.</source>
        <translation>No se pudo saber si la app está abierta. Ciérrala primero.</translation>
    </message>
    <message>
        <source>It could not be moved to the Trash: %1.</source>
        <translation>No se pudo trasladar a la Papelera: %1.</translation>
    </message>
    <message>
        <source>It is on a read-only volume and cannot be removed.</source>
        <translation>Está en un volumen de solo lectura y no se puede eliminar.</translation>
    </message>
    <message>
        <source>It is no longer where the scan found it.</source>
        <translation>Ya no está donde la encontró el análisis.</translation>
    </message>
</context>
<context>
    <name>AppUninstallerPage</name>
    <message>
        <source>App Uninstaller</source>
        <translation>Desinstalador de apps</translation>
    </message>
    <message>
        <source>Completely remove apps and their leftover files</source>
        <translation>Elimina por completo apps y sus archivos residuales</translation>
    </message>
    <message>
        <source>Search apps...</source>
        <translation>Buscar apps...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>No apps selected</source>
        <translation>No hay apps seleccionadas</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Scanning installed apps...</source>
        <translation>Analizando las apps instaladas...</translation>
    </message>
    <message>
        <source>No applications were found in the Applications folders.</source>
        <translation>No se encontraron aplicaciones en las carpetas Aplicaciones.</translation>
    </message>
    <message>
        <source>No apps match &quot;%1&quot;.</source>
        <translation>Ninguna app coincide con “%1”.</translation>
    </message>
    <message>
        <source>Uninstalling %1...</source>
        <translation>Desinstalando %1...</translation>
    </message>
    <message>
        <source>Apps will be moved to Trash.</source>
        <translation>Las apps se trasladarán a la Papelera.</translation>
    </message>
    <message>
        <source>Confirm Uninstall</source>
        <translation>Confirmar desinstalación</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Could not uninstall %1.
%2</source>
        <translation>No se pudo desinstalar %1.
%2</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
            <numerusform>%Ln app seleccionada</numerusform>
            <numerusform>%Ln apps seleccionadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln app(s) and their leftover files?</source>
        <translation>
            <numerusform>¿Desinstalar %Ln app y sus archivos residuales?</numerusform>
            <numerusform>¿Desinstalar %Ln apps y sus archivos residuales?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <translation>
            <numerusform>y %Ln más</numerusform>
            <numerusform>y %Ln más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apps and %Ln selected leftover items (%1) will be moved to Trash.</source>
        <translation>
            <numerusform>Las apps y %Ln elemento residual seleccionado (%1) se trasladarán a la Papelera.</numerusform>
            <numerusform>Las apps y %Ln elementos residuales seleccionados (%1) se trasladarán a la Papelera.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was moved to Trash, but %Ln of its leftover items could not be moved.</source>
        <translation>
            <numerusform>%1 está en la Papelera, pero no se pudo trasladar %Ln de sus elementos residuales.</numerusform>
            <numerusform>%1 está en la Papelera, pero no se pudieron trasladar %Ln de sus elementos residuales.</numerusform>
        </translation>
    </message>
    <message>
        <source>The app will be moved to the Trash.</source>
        <translation>La app se trasladará a la Papelera.</translation>
    </message>
    <message numerus="yes">
        <source>The app and %Ln selected leftover items (%1) will be moved to the Trash.</source>
        <translation>
            <numerusform>La app y %Ln elemento residual seleccionado (%1) se trasladarán a la Papelera.</numerusform>
            <numerusform>La app y %Ln elementos residuales seleccionados (%1) se trasladarán a la Papelera.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved %1 (%2) to the Trash.</source>
        <translation>%1 (%2) se ha trasladado a la Papelera.</translation>
    </message>
    <message numerus="yes">
        <source>Moved %1 and %Ln leftover items (%2) to the Trash.</source>
        <translation>
            <numerusform>%1 y %Ln elemento residual (%2) se han trasladado a la Papelera.</numerusform>
            <numerusform>%1 y %Ln elementos residuales (%2) se han trasladado a la Papelera.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps (%1) to the Trash.</source>
        <translation>
            <numerusform>%Ln app (%1) se ha trasladado a la Papelera.</numerusform>
            <numerusform>%Ln apps (%1) se han trasladado a la Papelera.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %Ln apps and %1 (%2) to the Trash.</source>
        <translation>
            <numerusform>%Ln app y %1 (%2) se han trasladado a la Papelera.</numerusform>
            <numerusform>%Ln apps y %1 (%2) se han trasladado a la Papelera.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover items</source>
        <translation>
            <numerusform>%Ln elemento residual</numerusform>
            <numerusform>%Ln elementos residuales</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BasePage</name>
    <message>
        <source>Cleanable</source>
        <translation>Recuperable</translation>
    </message>
    <message>
        <source>Click &quot;Start Scanning&quot; to find cleanable items</source>
        <translation>Haz clic en “Iniciar análisis” para buscar elementos que limpiar</translation>
    </message>
    <message>
        <source>Selected: --</source>
        <translation>Selección: --</translation>
    </message>
    <message>
        <source>Start Scanning</source>
        <translation>Iniciar análisis</translation>
    </message>
    <message>
        <source>Clean Now</source>
        <translation>Limpiar ahora</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>No hay elementos seleccionados</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Confirmar limpieza</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items?
This action cannot be undone!</source>
        <translation>
            <numerusform>¿Seguro que quieres limpiar %Ln elemento seleccionado?
¡Esta acción no se puede deshacer!</numerusform>
            <numerusform>¿Seguro que quieres limpiar los %Ln elementos seleccionados?
¡Esta acción no se puede deshacer!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln elemento limpiado, %1 liberados</numerusform>
            <numerusform>%Ln elementos limpiados, %1 liberados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln items, %1</source>
        <translation>
            <numerusform>Selección: %Ln elemento, %1</numerusform>
            <numerusform>Selección: %Ln elementos, %1</numerusform>
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
            <numerusform>Selección: %Ln elemento</numerusform>
            <numerusform>Selección: %Ln elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed and stay in the list with the reason.</source>
        <translation>
            <numerusform>No se pudo eliminar %Ln elemento, que sigue en la lista con el motivo.</numerusform>
            <numerusform>No se pudieron eliminar %Ln elementos, que siguen en la lista con el motivo.</numerusform>
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
        <translation>Estos navegadores están abiertos y se omitieron; ciérralos para limpiarlos:
%1</translation>
    </message>
    <message>
        <source>outside the browsers&apos; folders</source>
        <translation>fuera de las carpetas de los navegadores</translation>
    </message>
    <message>
        <source>the history could not be cleared</source>
        <translation>no se pudo borrar el historial</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>no se pudo eliminar</translation>
    </message>
    <message>
        <source>the records could not be cleared</source>
        <translation>no se pudieron borrar los registros</translation>
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
        <translation>Ver detalles</translation>
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
        <translation>Limpieza de navegadores</translation>
    </message>
    <message>
        <source>Clean caches, cookies and history of your browsers</source>
        <translation>Limpia la caché, las cookies y el historial de tus navegadores</translation>
    </message>
    <message>
        <source>Browsers:</source>
        <translation>Navegadores:</translation>
    </message>
    <message>
        <source>No supported browser was found for this user.</source>
        <translation>No se encontró ningún navegador compatible para este usuario.</translation>
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
            <numerusform>Cargar más (queda %Ln)</numerusform>
            <numerusform>Cargar más (quedan %Ln)</numerusform>
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
        <translation>Se puede limpiar</translation>
    </message>
</context>
<context>
    <name>CleanItem</name>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
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
        <translation>Tamaño desconocido</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>al menos %1</translation>
    </message>
</context>
<context>
    <name>CleanItemWidget</name>
    <message>
        <source>Not removed: %1</source>
        <translation>No eliminado: %1</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Ready to Clean Your Mac</source>
        <translation>Listo para limpiar tu Mac</translation>
    </message>
    <message>
        <source>Click the button below to scan for junk files and free up space</source>
        <translation>Haz clic en el botón de abajo para buscar archivos basura y liberar espacio</translation>
    </message>
    <message>
        <source>🔍  Start Full Scan</source>
        <translation>🔍  Iniciar análisis completo</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparando...</translation>
    </message>
    <message>
        <source>Sweepnook %1</source>
        <translation>Sweepnook %1</translation>
    </message>
    <message>
        <source>Keep Your Mac Running at Peak Performance</source>
        <translation>Mantén tu Mac funcionando al máximo rendimiento</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Archivos basura</translation>
    </message>
    <message>
        <source>Browser Data</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Registry Issues</source>
        <translation>Problemas del registro</translation>
    </message>
    <message>
        <source>Ready to scan</source>
        <translation>Listo para analizar</translation>
    </message>
    <message>
        <source>🔍 Start Scan</source>
        <translation>🔍 Analizar</translation>
    </message>
    <message>
        <source>🗑️ Clean All</source>
        <translation>🗑️ Limpiar todo</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;font-weight:600;&apos;&gt;Tip:&lt;/span&gt; Regular cleaning can significantly improve your Mac&apos;s performance</source>
        <translation>&lt;span style=&apos;font-weight:600;&apos;&gt;Consejo:&lt;/span&gt; limpiar con regularidad puede mejorar notablemente el rendimiento de tu Mac</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Analizando...</translation>
    </message>
    <message>
        <source>Can be cleaned</source>
        <translation>Se puede limpiar</translation>
    </message>
    <message>
        <source>Last scan: just now</source>
        <translation>Último análisis: ahora mismo</translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln min ago</source>
        <translation>
            <numerusform>Último análisis: hace %Ln min</numerusform>
            <numerusform>Último análisis: hace %Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last scan: %Ln h ago</source>
        <translation>
            <numerusform>Último análisis: hace %Ln h</numerusform>
            <numerusform>Último análisis: hace %Ln h</numerusform>
        </translation>
    </message>
    <message>
        <source>Last scan: %1</source>
        <translation>Último análisis: %1</translation>
    </message>
    <message>
        <source>Cleaned %1</source>
        <translation>%1 limpiados</translation>
    </message>
    <message>
        <source>Ring: %1 of what the scan found is selected</source>
        <translation>Anillo: %1 de lo encontrado está seleccionado</translation>
    </message>
    <message>
        <source>The scan found nothing to clean</source>
        <translation>El análisis no encontró nada que limpiar</translation>
    </message>
    <message>
        <source>Can be cleaned (at least)</source>
        <translation>Se puede limpiar (al menos)</translation>
    </message>
</context>
<context>
    <name>DetailItemWidget</name>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar en el Finder</translation>
    </message>
</context>
<context>
    <name>DuplicateFinderPage</name>
    <message>
        <source>Duplicate File Finder</source>
        <translation>Buscador de duplicados</translation>
    </message>
    <message>
        <source>Find and remove identical files to free up disk space</source>
        <translation>Busca y elimina archivos idénticos para liberar espacio en disco</translation>
    </message>
    <message>
        <source>SELECT LOCATION</source>
        <translation>SELECCIONAR UBICACIÓN</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
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
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message>
        <source>User Volume</source>
        <translation>Volumen de usuario</translation>
    </message>
    <message>
        <source>Entire Disk</source>
        <translation>Disco completo</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Tamaño mínimo:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Iniciar análisis</translation>
    </message>
    <message>
        <source>Collecting files...</source>
        <translation>Recopilando archivos...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>← New Scan</source>
        <translation>← Nuevo análisis</translation>
    </message>
    <message>
        <source>Keep Newest  ▾</source>
        <translation>Mantener el más nuevo  ▾</translation>
    </message>
    <message>
        <source>Keep Newest  (delete older duplicates)</source>
        <translation>Conservar el más reciente  (eliminar duplicados más antiguos)</translation>
    </message>
    <message>
        <source>Keep Oldest   (delete newer duplicates)</source>
        <translation>Conservar el más antiguo   (eliminar duplicados más recientes)</translation>
    </message>
    <message>
        <source>Keep Oldest  ▾</source>
        <translation>Mantener el más antiguo  ▾</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Elegir carpeta para analizar</translation>
    </message>
    <message>
        <source>Choose Another Folder…</source>
        <translation>Elegir otra carpeta…</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Path: (none selected)</source>
        <translation>Ruta: (ninguna seleccionada)</translation>
    </message>
    <message>
        <source>No Location Selected</source>
        <translation>Ninguna ubicación seleccionada</translation>
    </message>
    <message>
        <source>Please select at least one location to scan.</source>
        <translation>Selecciona al menos una ubicación para analizar.</translation>
    </message>
    <message>
        <source>Full Disk Scan</source>
        <translation>Análisis del disco completo</translation>
    </message>
    <message>
        <source>Scanning the entire disk may take several minutes.
Continue?</source>
        <translation>Analizar el disco completo puede tardar varios minutos.
¿Continuar?</translation>
    </message>
    <message>
        <source>Scanning files...</source>
        <translation>Analizando archivos...</translation>
    </message>
    <message>
        <source>Reading %1  ·  %2 of %3</source>
        <translation>Leyendo %1  ·  %2 de %3</translation>
    </message>
    <message>
        <source>No Duplicates Found</source>
        <translation>No se encontraron duplicados</translation>
    </message>
    <message>
        <source>Great news! No duplicate files were found. 🎉</source>
        <translation>¡Buenas noticias! No se encontraron archivos duplicados. 🎉</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>  ·  %1 freed</source>
        <translation>  ·  %1 liberados</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Trasladar a la Papelera</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Eliminar permanentemente</translation>
    </message>
    <message>
        <source>Deleting…</source>
        <translation>Eliminando…</translation>
    </message>
    <message>
        <source>Deleting %1 / %2</source>
        <translation>Eliminando %1 / %2</translation>
    </message>
    <message>
        <source>Duplicates Removed</source>
        <translation>Duplicados eliminados</translation>
    </message>
    <message>
        <source>Partial Failure</source>
        <translation>Error parcial</translation>
    </message>
    <message>
        <source>The log lists each file and why.</source>
        <translation>El registro de actividad indica cada archivo y el motivo.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln&lt;/b&gt; groups  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 can be freed&lt;/span&gt;</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; grupo  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 recuperables&lt;/span&gt;</numerusform>
            <numerusform>&lt;b&gt;%Ln&lt;/b&gt; grupos  ·  &lt;span style=&apos;color:%1;font-weight:600;&apos;&gt;%2 recuperables&lt;/span&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln file(s) to the Trash, or delete them permanently?</source>
        <translation>
            <numerusform>¿Trasladar %Ln archivo a la Papelera o eliminarlo permanentemente?</numerusform>
            <numerusform>¿Trasladar %Ln archivos a la Papelera o eliminarlos permanentemente?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every copy of %Ln group(s) is checked: the newest copy of each will be kept.</source>
        <translation>
            <numerusform>Todas las copias de %Ln grupo están marcadas: se conservará la copia más reciente.</numerusform>
            <numerusform>Todas las copias de %Ln grupos están marcadas: se conservará la copia más reciente de cada uno.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %Ln file(s)?
This cannot be undone.</source>
        <translation>
            <numerusform>¿Eliminar permanentemente %Ln archivo?
Esta acción no se puede deshacer.</numerusform>
            <numerusform>¿Eliminar permanentemente %Ln archivos?
Esta acción no se puede deshacer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) deleted permanently (%1).</source>
        <translation>
            <numerusform>%Ln archivo eliminado permanentemente (%1).</numerusform>
            <numerusform>%Ln archivos eliminados permanentemente (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) moved to the Trash (%1); you can put them back from there.</source>
        <translation>
            <numerusform>%Ln archivo trasladado a la Papelera (%1); puedes recuperarlo desde allí.</numerusform>
            <numerusform>%Ln archivos trasladados a la Papelera (%1); puedes recuperarlos desde allí.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be deleted.</source>
        <translation>
            <numerusform>No se pudo eliminar %Ln archivo.</numerusform>
            <numerusform>No se pudieron eliminar %Ln archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Ruta: %1</translation>
    </message>
    <message>
        <source>Deleted permanently: %1</source>
        <translation>Eliminado permanentemente: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>Trasladado a la Papelera: %1</translation>
    </message>
    <message>
        <source>Left in place: %1</source>
        <translation>Sin mover: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be moved to the Trash and were left in place; none was deleted.</source>
        <translation>
            <numerusform>No se pudo trasladar %Ln archivo a la Papelera y se quedó en su sitio; no se eliminó nada.</numerusform>
            <numerusform>No se pudieron trasladar %Ln archivos a la Papelera y se quedaron en su sitio; no se eliminó ninguno.</numerusform>
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
        <translation>  ·  %1 en la Papelera hasta que la vacíes</translation>
    </message>
    <message>
        <source>Ticked: every copy but the likely original (not in Downloads, no &quot;copy&quot; or &quot;(1)&quot; in its name, the oldest, the shortest path). 🔒 Copies in apps, packages and Library are never ticked.</source>
        <translation>Marcadas: todas las copias salvo el original probable (fuera de Descargas, sin «copia» ni «(1)» en el nombre, el más antiguo, la ruta más corta). 🔒 Las copias dentro de apps, paquetes y Library nunca se marcan.</translation>
    </message>
    <message>
        <source>Keep Original  ▾</source>
        <translation>Conservar original  ▾</translation>
    </message>
    <message>
        <source>Keep Original  (the likely original of each group)</source>
        <translation>Conservar original  (el original probable de cada grupo)</translation>
    </message>
</context>
<context>
    <name>DuplicateGroupDelegate</name>
    <message>
        <source>save %1</source>
        <translation>ahorra %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln identical files  ·  %1 each  ·  </source>
        <translation>
            <numerusform>%Ln archivo idéntico  ·  %1 cada uno  ·  </numerusform>
            <numerusform>%Ln archivos idénticos  ·  %1 cada uno  ·  </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>está en uso</translation>
    </message>
    <message>
        <source>the volume is read-only</source>
        <translation>el volumen es de solo lectura</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>la carpeta no está vacía</translation>
    </message>
    <message>
        <source>another volume is mounted there</source>
        <translation>hay otro volumen montado ahí</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it changed while being removed</source>
        <translation>cambió mientras se eliminaba</translation>
    </message>
    <message>
        <source>its folder is not open</source>
        <translation>su carpeta no está abierta</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>fuera de %1</translation>
    </message>
    <message>
        <source>the folder itself</source>
        <translation>la propia carpeta</translation>
    </message>
    <message>
        <source>&quot;.&quot; or &quot;..&quot; in the path</source>
        <translation>«.» o «..» en la ruta</translation>
    </message>
    <message>
        <source>a link or a file on the way: %1</source>
        <translation>un enlace o un archivo en la ruta: %1</translation>
    </message>
    <message>
        <source>another volume on the way: %1</source>
        <translation>otro volumen en la ruta: %1</translation>
    </message>
    <message>
        <source>it changed since it was chosen</source>
        <translation>ha cambiado desde que se eligió</translation>
    </message>
</context>
<context>
    <name>HomeTrash</name>
    <message>
        <source>it is no longer there</source>
        <translation>el elemento ya no está ahí</translation>
    </message>
    <message>
        <source>the Finder could not be asked (osascript did not start)</source>
        <translation>no se pudo consultar al Finder (osascript no se inició)</translation>
    </message>
    <message>
        <source>the Finder did not answer within %1 seconds; it may be waiting for your permission or password</source>
        <translation>el Finder no respondió en %1 segundos; puede que esté esperando tu permiso o tu contraseña</translation>
    </message>
    <message>
        <source>the Finder left it where it was</source>
        <translation>el Finder lo dejó donde estaba</translation>
    </message>
    <message>
        <source>Sweepnook is not allowed to control the Finder (System Settings &gt; Privacy &amp; Security &gt; Automation)</source>
        <translation>Sweepnook no tiene permiso para controlar el Finder (Ajustes del Sistema &gt; Privacidad y seguridad &gt; Automatización)</translation>
    </message>
    <message>
        <source>the Finder refused (exit code %1)</source>
        <translation>el Finder se negó (código de salida %1)</translation>
    </message>
    <message>
        <source>the Finder refused: %1</source>
        <translation>el Finder se negó: %1</translation>
    </message>
    <message>
        <source>the Trash folder cannot be used: %1</source>
        <translation>no se puede usar la carpeta de la Papelera: %1</translation>
    </message>
    <message>
        <source>it is on another volume than your Trash</source>
        <translation>el elemento está en un volumen distinto al de tu Papelera</translation>
    </message>
    <message>
        <source>it is in the Trash already</source>
        <translation>el elemento ya está en la Papelera</translation>
    </message>
    <message>
        <source>too many items of that name in the Trash</source>
        <translation>hay demasiados elementos con ese nombre en la Papelera</translation>
    </message>
    <message>
        <source>a volume is mounted inside it (%1)</source>
        <translation>hay un volumen montado dentro (%1)</translation>
    </message>
</context>
<context>
    <name>ItemDetailDialog</name>
    <message numerus="yes">
        <source>%1  |  %Ln files</source>
        <translation>
            <numerusform>%1  |  %Ln archivo</numerusform>
            <numerusform>%1  |  %Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>JunkCleaner</name>
    <message>
        <source>outside the folders of its rule</source>
        <translation>fuera de las carpetas de su regla</translation>
    </message>
    <message>
        <source>These browsers are running, so their caches were left; close them to clean them:
%1</source>
        <translation>Estos navegadores están abiertos, así que sus cachés se dejaron; ciérralos para limpiarlas:
%1</translation>
    </message>
</context>
<context>
    <name>JunkPage</name>
    <message>
        <source>Junk Cleaner</source>
        <translation>Limpieza de archivos basura</translation>
    </message>
    <message>
        <source>Clean system temp files, cache and logs</source>
        <translation>Limpia archivos temporales, cachés y registros de actividad del sistema</translation>
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
        <translation>En iCloud</translation>
    </message>
    <message>
        <source>%1, %2 on disk</source>
        <translation>%1, %2 en disco</translation>
    </message>
    <message>
        <source>via %1</source>
        <translation>a través de %1</translation>
    </message>
</context>
<context>
    <name>LargeFilePage</name>
    <message>
        <source>Find Large Files</source>
        <translation>Buscar archivos grandes</translation>
    </message>
    <message>
        <source>Scan your drives and remove files that are taking up the most space</source>
        <translation>Analiza tus discos y elimina los archivos que más espacio ocupan</translation>
    </message>
    <message>
        <source>SELECT VOLUME</source>
        <translation>SELECCIONAR VOLUMEN</translation>
    </message>
    <message>
        <source>Min file size:</source>
        <translation>Tamaño mínimo:</translation>
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
        <translation>Iniciar análisis</translation>
    </message>
    <message>
        <source>Scan Results</source>
        <translation>Resultados del análisis</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Todos los tipos</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archivos comprimidos</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Paquetes</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Largest first</source>
        <translation>Más grandes primero</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Más recientes primero</translation>
    </message>
    <message>
        <source>← Back</source>
        <translation>← Atrás</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Eliminar selección</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Disco local</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Add location</source>
        <translation>Añadir ubicación</translation>
    </message>
    <message>
        <source>Select a volume above to begin scanning.</source>
        <translation>Selecciona un volumen arriba para empezar el análisis.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln volume(s) selected. Sweepnook will scan for files larger than %1.</source>
        <translation>
            <numerusform>%Ln volumen seleccionado. Sweepnook buscará archivos de más de %1.</numerusform>
            <numerusform>%Ln volúmenes seleccionados. Sweepnook buscará archivos de más de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Folder to Scan</source>
        <translation>Elegir carpeta para analizar</translation>
    </message>
    <message>
        <source>Custom File Size</source>
        <translation>Tamaño de archivo personalizado</translation>
    </message>
    <message>
        <source>Enter minimum file size (MB):</source>
        <translation>Introduce el tamaño mínimo de archivo (MB):</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>Please select at least one drive to scan.</source>
        <translation>Selecciona al menos un disco para analizar.</translation>
    </message>
    <message>
        <source>No large files found that match the criteria.</source>
        <translation>No se encontraron archivos grandes que cumplan los criterios.</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Análisis completado</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 liberados</translation>
    </message>
    <message>
        <source>%1 in the Trash until you empty it</source>
        <translation>%1 en la Papelera hasta que la vacíes</translation>
    </message>
    <message>
        <source>Delete this file</source>
        <translation>Eliminar este archivo</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Trasladar a la Papelera</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Eliminar permanentemente</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this file?

%1
Size: %2</source>
        <translation>¿Seguro que quieres eliminar este archivo?

%1
Tamaño: %2</translation>
    </message>
    <message>
        <source>This file is only in iCloud: deleting it frees no space on this Mac and removes it from all your devices.</source>
        <translation>Este archivo solo está en iCloud: eliminarlo no libera espacio en este Mac y lo borra de todos tus dispositivos.</translation>
    </message>
    <message>
        <source>Move to Trash keeps it until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>“Trasladar a la Papelera” lo conserva hasta que vacíes la Papelera. ¡“Eliminar permanentemente” no se puede deshacer!</translation>
    </message>
    <message>
        <source>Move to Trash keeps them until you empty the Trash. Delete Permanently cannot be undone!</source>
        <translation>“Trasladar a la Papelera” los conserva hasta que vacíes la Papelera. ¡“Eliminar permanentemente” no se puede deshacer!</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Eliminando...</translation>
    </message>
    <message>
        <source>Unable to delete this file. It may be in use by another program.</source>
        <translation>No se puede eliminar este archivo. Puede que otro programa lo esté usando.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>All files have been deleted</source>
        <translation>Se han eliminado todos los archivos</translation>
    </message>
    <message>
        <source>%1 moved to the Trash: empty the Trash to free the space.</source>
        <translation>%1 trasladados a la Papelera: vacía la Papelera para liberar el espacio.</translation>
    </message>
    <message>
        <source>%1 freed.</source>
        <translation>%1 liberados.</translation>
    </message>
    <message>
        <source>Delete Completed</source>
        <translation>Eliminación completada</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files, total %1</source>
        <translation>
            <numerusform>%Ln archivo grande encontrado, %1 en total</numerusform>
            <numerusform>%Ln archivos grandes encontrados, %1 en total</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln files (%1)</source>
        <translation>
            <numerusform>Selección: %Ln archivo (%1)</numerusform>
            <numerusform>Selección: %Ln archivos (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the selected %Ln files?

Total: %1</source>
        <translation>
            <numerusform>¿Seguro que quieres eliminar %Ln archivo seleccionado?

Total: %1</numerusform>
            <numerusform>¿Seguro que quieres eliminar los %Ln archivos seleccionados?

Total: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln files successfully.</source>
        <translation>
            <numerusform>%Ln archivo eliminado.</numerusform>
            <numerusform>%Ln archivos eliminados.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1 usados</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 en total</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar en el Finder</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files failed to delete.</source>
        <translation>
            <numerusform>No se pudo eliminar %Ln archivo.</numerusform>
            <numerusform>No se pudieron eliminar %Ln archivos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeFileScanner</name>
    <message>
        <source>It changed since the scan</source>
        <translation>Ha cambiado desde el análisis</translation>
    </message>
    <message>
        <source>It is not among the results of the scan</source>
        <translation>No está entre los resultados del análisis</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>Error de configuración</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>No se pudo cargar el enlace de la página.

Ponte en contacto con el soporte técnico o reinstala la app.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>No se puede abrir el navegador</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>No se puede abrir el navegador predeterminado.

Copia el enlace y ábrelo manualmente:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Dashboard</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Junk Cleaner</source>
        <translation>Archivos basura</translation>
    </message>
    <message>
        <source>Browser Cleaner</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Registry Cleaner</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Startup Manager</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Archivos grandes</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimización</translation>
    </message>
    <message>
        <source>App Uninstaller</source>
        <translation>Desinstalador</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Sweepnook - Herramienta de limpieza para Mac</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Mostrar ventana principal</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>No hay elementos seleccionados</translation>
    </message>
    <message>
        <source>Confirm Clean</source>
        <translation>Confirmar limpieza</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to clean %Ln selected items (%1)?
This action cannot be undone!</source>
        <translation>
            <numerusform>¿Seguro que quieres limpiar %Ln elemento seleccionado (%1)?
¡Esta acción no se puede deshacer!</numerusform>
            <numerusform>¿Seguro que quieres limpiar los %Ln elementos seleccionados (%1)?
¡Esta acción no se puede deshacer!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln items, freed %1</source>
        <translation>
            <numerusform>%Ln elemento limpiado, %1 liberados</numerusform>
            <numerusform>%Ln elementos limpiados, %1 liberados</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Cancelado. %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items could not be removed.</source>
        <translation>
            <numerusform>No se pudo eliminar %Ln elemento.</numerusform>
            <numerusform>No se pudieron eliminar %Ln elementos.</numerusform>
        </translation>
    </message>
    <message>
        <source>A clean is still running. Scan again when it has finished.</source>
        <translation>Todavía hay una limpieza en curso. Vuelve a analizar cuando termine.</translation>
    </message>
    <message>
        <source>About Sweepnook</source>
        <translation>Acerca de Sweepnook</translation>
    </message>
    <message>
        <source>by Quelmo</source>
        <translation>por Quelmo</translation>
    </message>
    <message>
        <source>The smartest way to keep your Mac clean, fast, and private.&lt;br&gt;Remove junk files, browser traces, duplicate files,&lt;br&gt;and privacy risks — all in one click.</source>
        <translation>La forma más inteligente de mantener tu Mac limpio, rápido y privado.&lt;br&gt;Elimina archivos basura, rastros de navegación, archivos duplicados&lt;br&gt;y riesgos para tu privacidad — todo con un solo clic.</translation>
    </message>
    <message>
        <source>© 2026 Quelmo. All rights reserved.</source>
        <translation>© 2026 Quelmo. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Sweepnook</source>
        <translation>Sweepnook</translation>
    </message>
    <message>
        <source>Program minimized to system tray. Double-click the icon to restore.</source>
        <translation>Sweepnook sigue abierto en la barra de menús. Haz doble clic en el icono para volver a abrir la ventana.</translation>
    </message>
</context>
<context>
    <name>PrivacyCleaner</name>
    <message>
        <source>Clipboard Content</source>
        <translation>Contenido del portapapeles</translation>
    </message>
    <message>
        <source>Text, images or files currently copied to clipboard</source>
        <translation>Texto, imágenes o archivos copiados actualmente en el portapapeles</translation>
    </message>
    <message>
        <source>QuickLook Preview Cache</source>
        <translation>Caché de previsualizaciones de Vista rápida</translation>
    </message>
    <message>
        <source>Cached file previews generated by macOS QuickLook</source>
        <translation>Previsualizaciones de archivos guardadas en caché por Vista rápida de macOS</translation>
    </message>
    <message>
        <source>Recent Files List</source>
        <translation>Lista de archivos recientes</translation>
    </message>
    <message>
        <source>macOS list of recently opened files and apps</source>
        <translation>Lista de macOS de los archivos y apps abiertos recientemente</translation>
    </message>
    <message>
        <source>Notification History</source>
        <translation>Historial de notificaciones</translation>
    </message>
    <message>
        <source>Database logs of all received app notifications</source>
        <translation>Base de datos con todas las notificaciones recibidas de las apps</translation>
    </message>
    <message>
        <source>DNS Cache</source>
        <translation>Caché DNS</translation>
    </message>
    <message>
        <source>Cached DNS lookups recording recently visited domains</source>
        <translation>Consultas DNS en caché que revelan los dominios visitados recientemente</translation>
    </message>
</context>
<context>
    <name>PrivacyItemCard</name>
    <message>
        <source>Nothing found</source>
        <translation>No se encontró nada</translation>
    </message>
    <message>
        <source>Size unknown</source>
        <translation>Tamaño desconocido</translation>
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
        <translation>Sin analizar</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Limpiado</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 liberados</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Sin limpiar</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Precaución</translation>
    </message>
    <message>
        <source>High risk</source>
        <translation>Riesgo alto</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Limpiado en parte</translation>
    </message>
</context>
<context>
    <name>PrivacyPage</name>
    <message>
        <source>Privacy Cleaner</source>
        <translation>Limpieza de privacidad</translation>
    </message>
    <message>
        <source>Clear the traces your everyday use leaves on this Mac</source>
        <translation>Borra los rastros que tu uso diario deja en este Mac</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Scan stopped</source>
        <translation>Análisis detenido</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Analizando: %1</translation>
    </message>
    <message>
        <source>Cleaning: %1 of %2 done</source>
        <translation>Limpiando: %1 de %2 completados</translation>
    </message>
    <message>
        <source>Not cleaned: %1</source>
        <translation>Sin limpiar: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stopped before %Ln item(s)</source>
        <translation>
            <numerusform>Detenido: %Ln elemento sin procesar</numerusform>
            <numerusform>Detenido: %Ln elementos sin procesar</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Volver a analizar</translation>
    </message>
    <message>
        <source>Scan to measure the traces on this Mac</source>
        <translation>Analiza para medir los rastros en este Mac</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Analizando…</translation>
    </message>
    <message>
        <source>Cleaning…</source>
        <translation>Limpiando…</translation>
    </message>
    <message numerus="yes">
        <source>Selected: %Ln item(s)</source>
        <translation>
            <numerusform>Selección: %Ln elemento</numerusform>
            <numerusform>Selección: %Ln elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>No items selected</source>
        <translation>No hay elementos seleccionados</translation>
    </message>
    <message>
        <source>Confirm Cleaning</source>
        <translation>Confirmar limpieza</translation>
    </message>
    <message numerus="yes">
        <source>Clean %Ln selected item(s)?</source>
        <translation>
            <numerusform>¿Limpiar %Ln elemento seleccionado?</numerusform>
            <numerusform>¿Limpiar los %Ln elementos seleccionados?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esta acción no se puede deshacer.</translation>
    </message>
    <message numerus="yes">
        <source>Cleaned %Ln item(s) · freed %1</source>
        <translation>
            <numerusform>%Ln elemento limpiado · %1 liberados</numerusform>
            <numerusform>%Ln elementos limpiados · %1 liberados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Scanning...</source>
        <translation>Analizando...</translation>
    </message>
    <message>
        <source>Cleaning...</source>
        <translation>Limpiando...</translation>
    </message>
    <message>
        <source>正在分析系统...</source>
        <translation>Analizando el sistema...</translation>
    </message>
    <message>
        <source>正在删除文件...</source>
        <translation>Eliminando archivos...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Finalizado</translation>
    </message>
    <message>
        <source>已清理: %1</source>
        <translation>Limpiado: %1</translation>
    </message>
    <message>
        <source>完成!</source>
        <translation>¡Listo!</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Error en la operación</translation>
    </message>
    <message>
        <source>Partly done</source>
        <translation>Completado en parte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
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
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Guardar todo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sí a &amp;todo</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;o a todo</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrumpir</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
</context>
<context>
    <name>RegistryPage</name>
    <message>
        <source>Registry cleaning is only available on Windows</source>
        <translation>La limpieza del registro solo está disponible en Windows</translation>
    </message>
    <message>
        <source>macOS keeps its settings in preference files, not in a registry, so there is nothing to clean here.</source>
        <translation>macOS guarda sus ajustes en archivos de preferencias, no en un registro, así que aquí no hay nada que limpiar.</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>System Temporary Files</source>
        <translation>Archivos temporales del sistema</translation>
    </message>
    <message>
        <source>System temp folder and intermediate build files</source>
        <translation>Carpeta temporal del sistema y archivos intermedios de compilación</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>Cachés de apps</translation>
    </message>
    <message>
        <source>Cached data generated by installed applications</source>
        <translation>Datos en caché generados por las apps instaladas</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>Cachés de navegadores</translation>
    </message>
    <message>
        <source>Cache files from Safari, Chrome, Firefox, Edge, Brave</source>
        <translation>Archivos de caché de Safari, Chrome, Firefox, Edge, Brave</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>Archivos de registro</translation>
    </message>
    <message>
        <source>System and application log files</source>
        <translation>Registros de actividad del sistema y de las apps</translation>
    </message>
    <message>
        <source>Crash Reports</source>
        <translation>Informes de fallos</translation>
    </message>
    <message>
        <source>Application and system crash dump files</source>
        <translation>Volcados de fallos de las apps y del sistema</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Files in the Trash waiting to be permanently deleted</source>
        <translation>Archivos de la Papelera pendientes de eliminarse definitivamente</translation>
    </message>
    <message>
        <source>Download Installers</source>
        <translation>Instaladores descargados</translation>
    </message>
    <message>
        <source>Installer packages accumulated in the Downloads folder</source>
        <translation>Paquetes de instalación acumulados en la carpeta Descargas</translation>
    </message>
    <message>
        <source>QuickLook Cache</source>
        <translation>Caché de Vista rápida</translation>
    </message>
    <message>
        <source>macOS QuickLook preview thumbnail cache</source>
        <translation>Caché de miniaturas de previsualización de Vista rápida de macOS</translation>
    </message>
    <message>
        <source>Homebrew Cache</source>
        <translation>Caché de Homebrew</translation>
    </message>
    <message>
        <source>Homebrew package manager download and build cache</source>
        <translation>Caché de descargas y compilación del gestor de paquetes Homebrew</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>Cachés de desarrollo</translation>
    </message>
    <message>
        <source>Xcode derived data, simulators, npm, pip, Gradle, Maven caches</source>
        <translation>Datos derivados de Xcode, simuladores, cachés de npm, pip, Gradle y Maven</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>Copias de seguridad de iOS</translation>
    </message>
    <message>
        <source>iPhone / iPad local backups stored on this Mac</source>
        <translation>Copias de seguridad locales de iPhone / iPad guardadas en este Mac</translation>
    </message>
    <message>
        <source>Large Old Files</source>
        <translation>Archivos antiguos grandes</translation>
    </message>
    <message>
        <source>Old iOS firmware, app installers, and large unused data</source>
        <translation>Firmware antiguo de iOS, instaladores de apps y datos grandes sin usar</translation>
    </message>
    <message>
        <source>Office Cache</source>
        <translation>Caché de Office</translation>
    </message>
    <message>
        <source>Microsoft Office and Apple iWork temporary files</source>
        <translation>Archivos temporales de Microsoft Office y Apple iWork</translation>
    </message>
    <message>
        <source>Font Cache</source>
        <translation>Caché de tipos de letra</translation>
    </message>
    <message>
        <source>System font cache files</source>
        <translation>Archivos de caché de los tipos de letra del sistema</translation>
    </message>
    <message>
        <source>Prefetch Files</source>
        <translation>Archivos Prefetch</translation>
    </message>
    <message>
        <source>Windows Prefetch cache files</source>
        <translation>Archivos de caché Prefetch de Windows</translation>
    </message>
    <message>
        <source>Windows Update Cache</source>
        <translation>Caché de Windows Update</translation>
    </message>
    <message>
        <source>Windows Update download cache</source>
        <translation>Caché de descargas de Windows Update</translation>
    </message>
    <message>
        <source>Memory Dumps</source>
        <translation>Volcados de memoria</translation>
    </message>
    <message>
        <source>System crash and error dump files (Windows)</source>
        <translation>Volcados de fallos y errores del sistema (Windows)</translation>
    </message>
    <message>
        <source>Windows Defender Cache</source>
        <translation>Caché de Windows Defender</translation>
    </message>
    <message>
        <source>Microsoft Defender scan history and backup cache</source>
        <translation>Historial de análisis y caché de copias de Microsoft Defender</translation>
    </message>
    <message>
        <source>GPU Shader Cache</source>
        <translation>Caché de sombreadores de GPU</translation>
    </message>
    <message>
        <source>GPU driver shader and DirectX cache (NVIDIA / AMD)</source>
        <translation>Caché de sombreadores del controlador gráfico y de DirectX (NVIDIA / AMD)</translation>
    </message>
    <message>
        <source>Old Windows Installation</source>
        <translation>Instalación antigua de Windows</translation>
    </message>
    <message>
        <source>Old system backups remaining after a Windows upgrade</source>
        <translation>Copias antiguas del sistema que quedan tras actualizar Windows</translation>
    </message>
    <message>
        <source>Browser Cache</source>
        <translation>Caché del navegador</translation>
    </message>
    <message>
        <source>Temporary web page cache files</source>
        <translation>Archivos temporales de páginas web en caché</translation>
    </message>
    <message>
        <source>Code Cache</source>
        <translation>Caché de código</translation>
    </message>
    <message>
        <source>JavaScript code cache</source>
        <translation>Caché de código JavaScript</translation>
    </message>
    <message>
        <source>GPU Cache</source>
        <translation>Caché de GPU</translation>
    </message>
    <message>
        <source>GPU rendering cache</source>
        <translation>Caché de renderizado de GPU</translation>
    </message>
    <message>
        <source>Shader Cache</source>
        <translation>Caché de sombreadores</translation>
    </message>
    <message>
        <source>GPU shader compilation cache</source>
        <translation>Caché de compilación de sombreadores de GPU</translation>
    </message>
    <message>
        <source>Service Workers</source>
        <translation>Service Workers</translation>
    </message>
    <message>
        <source>Service Worker cache</source>
        <translation>Caché de Service Workers</translation>
    </message>
    <message>
        <source>Blob Storage</source>
        <translation>Almacenamiento de blobs</translation>
    </message>
    <message>
        <source>Temporary binary data storage</source>
        <translation>Almacenamiento temporal de datos binarios</translation>
    </message>
    <message>
        <source>WebRTC Logs</source>
        <translation>Registros de WebRTC</translation>
    </message>
    <message>
        <source>Video call debug logs</source>
        <translation>Registros de depuración de videollamadas</translation>
    </message>
    <message>
        <source>Browser crash report files</source>
        <translation>Informes de fallos del navegador</translation>
    </message>
    <message>
        <source>Browser Logs</source>
        <translation>Registros del navegador</translation>
    </message>
    <message>
        <source>Browser debug and error logs</source>
        <translation>Registros de depuración y de errores del navegador</translation>
    </message>
    <message>
        <source>Website Thumbnails</source>
        <translation>Miniaturas de sitios web</translation>
    </message>
    <message>
        <source>New Tab page website thumbnails</source>
        <translation>Miniaturas de sitios web de la página Nueva pestaña</translation>
    </message>
    <message>
        <source>Favicon Cache</source>
        <translation>Caché de favicons</translation>
    </message>
    <message>
        <source>Website icon (favicon) cache</source>
        <translation>Caché de iconos de sitios web (favicons)</translation>
    </message>
    <message>
        <source>Local Storage</source>
        <translation>Almacenamiento local</translation>
    </message>
    <message>
        <source>Website Local Storage (site settings may be lost)</source>
        <translation>Almacenamiento local de sitios web (se pueden perder ajustes de los sitios)</translation>
    </message>
    <message>
        <source>IndexedDB</source>
        <translation>IndexedDB</translation>
    </message>
    <message>
        <source>Website database storage (offline data may be lost)</source>
        <translation>Bases de datos de sitios web (se pueden perder datos sin conexión)</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message>
        <source>Website Cookies (requires re-login to all sites)</source>
        <translation>Cookies de sitios web (tendrás que volver a iniciar sesión en todos los sitios)</translation>
    </message>
    <message>
        <source>Browsing History</source>
        <translation>Historial de navegación</translation>
    </message>
    <message>
        <source>Web browsing history records</source>
        <translation>Registro de los sitios web visitados</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>Historial de descargas</translation>
    </message>
    <message>
        <source>Download history records (downloaded files are not deleted)</source>
        <translation>Registro de descargas (los archivos descargados no se eliminan)</translation>
    </message>
    <message>
        <source>Session Data</source>
        <translation>Datos de sesión</translation>
    </message>
    <message>
        <source>Current and recent session data (tabs may be lost)</source>
        <translation>Datos de la sesión actual y de las recientes (se pueden perder pestañas)</translation>
    </message>
    <message>
        <source>Form Data</source>
        <translation>Datos de formularios</translation>
    </message>
    <message>
        <source>Autofill form data (requires re-entry after cleaning)</source>
        <translation>Datos de autocompletar (tendrás que volver a introducirlos tras limpiar)</translation>
    </message>
    <message>
        <source>Safe Browsing Data</source>
        <translation>Datos de Navegación segura</translation>
    </message>
    <message>
        <source>Safe Browsing protection data (not recommended to clean)</source>
        <translation>Datos de protección de Navegación segura (no se recomienda limpiarlos)</translation>
    </message>
    <message>
        <source>Thumbnail Cache</source>
        <translation>Caché de miniaturas</translation>
    </message>
    <message>
        <source>Preview pictures of your files made by the desktop and file manager</source>
        <translation>Imágenes de vista previa de sus archivos creadas por el escritorio y el gestor de archivos</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>Cachés de paquetes</translation>
    </message>
    <message>
        <source>Downloads and builds kept by pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven and ccache</source>
        <translation>Descargas y compilaciones guardadas por pip, npm, Yarn, pnpm, Cargo, Go, Gradle, Maven y ccache</translation>
    </message>
</context>
<context>
    <name>ScanProgressDialog</name>
    <message>
        <source>Scanning for large files...</source>
        <translation>Buscando archivos grandes...</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Analizando: %1</translation>
    </message>
    <message>
        <source>Scan Complete</source>
        <translation>Análisis completado</translation>
    </message>
    <message>
        <source>Scan completed</source>
        <translation>Análisis completado</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Ver resultados</translation>
    </message>
    <message numerus="yes">
        <source>Found %Ln large files (%1)</source>
        <translation>
            <numerusform>%Ln archivo grande encontrado (%1)</numerusform>
            <numerusform>%Ln archivos grandes encontrados (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Minimize to tray on close</source>
        <translation>Mantener en la barra de menús al cerrar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Confirm before cleaning</source>
        <translation>Confirmar antes de limpiar</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Sweepnook could not be set to start at login. The log has the details.</source>
        <translation>No se pudo configurar Sweepnook para que se abra al iniciar sesión. El registro de actividad tiene los detalles.</translation>
    </message>
    <message>
        <source>Sweepnook could not be kept from starting at login. The log has the details.</source>
        <translation>No se pudo impedir que Sweepnook se abra al iniciar sesión. El registro de actividad tiene los detalles.</translation>
    </message>
</context>
<context>
    <name>StartupCardDelegate</name>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostrar en el Finder</translation>
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
        <translation>Carpeta Inicio</translation>
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
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Startup items</source>
        <translation>Elementos de arranque</translation>
    </message>
    <message>
        <source>System-wide agents and daemons</source>
        <translation>Agentes y daemons de todo el sistema</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Program missing</source>
        <translation>Falta el programa</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
</context>
<context>
    <name>StartupManager</name>
    <message>
        <source>Scanning %1...</source>
        <translation>Analizando %1...</translation>
    </message>
    <message>
        <source>Scanning startup items...</source>
        <translation>Analizando elementos de arranque...</translation>
    </message>
    <message>
        <source>Scanning installed applications...</source>
        <translation>Analizando aplicaciones instaladas...</translation>
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
        <translation>Gestiona los programas que se abren automáticamente al arrancar</translation>
    </message>
    <message>
        <source>Search programs...</source>
        <translation>Buscar programas...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>⚠️ Only your own startup items can be removed</source>
        <translation>⚠️ Solo se pueden eliminar tus propios elementos de arranque</translation>
    </message>
    <message>
        <source>Scanning installed programs...</source>
        <translation>Analizando programas instalados...</translation>
    </message>
    <message>
        <source>First load may take a few seconds</source>
        <translation>La primera carga puede tardar unos segundos</translation>
    </message>
    <message>
        <source>Cannot Modify</source>
        <translation>No se puede modificar</translation>
    </message>
    <message>
        <source>This startup item was not created by Sweepnook and cannot be removed here.</source>
        <translation>Este elemento de arranque no lo creó Sweepnook y no se puede eliminar aquí.</translation>
    </message>
    <message>
        <source>Operation Failed</source>
        <translation>Error en la operación</translation>
    </message>
    <message>
        <source>Failed to remove &quot;%1&quot; from startup.</source>
        <translation>No se pudo quitar “%1” del arranque.</translation>
    </message>
    <message>
        <source>Failed to add &quot;%1&quot; to startup.</source>
        <translation>No se pudo añadir “%1” al arranque.</translation>
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
        <translation>No se han encontrado elementos de arranque ni apps</translation>
    </message>
    <message>
        <source>No startup items match &quot;%1&quot;</source>
        <translation>Ningún elemento de arranque coincide con «%1»</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>Language has been changed.

The application will restart now.</source>
        <translation>Se ha cambiado el idioma.

La aplicación se reiniciará ahora.</translation>
    </message>
    <message>
        <source>Restart Failed</source>
        <translation>Error al reiniciar</translation>
    </message>
    <message>
        <source>Sweepnook could not restart itself.

Please quit and reopen it to use the new language.</source>
        <translation>Sweepnook no ha podido reiniciarse.

Sal de la app y vuelve a abrirla para usar el nuevo idioma.</translation>
    </message>
</context>
<context>
    <name>TweakManager</name>
    <message>
        <source>This tweak changes Windows settings and works only on Windows.</source>
        <translation>Esta optimización modifica la configuración de Windows y solo funciona en Windows.</translation>
    </message>
    <message>
        <source>Stopped before all services were changed.</source>
        <translation>Detenido antes de cambiar todos los servicios.</translation>
    </message>
    <message>
        <source>Could not change the start type of the service &quot;%1&quot;.</source>
        <translation>No se pudo cambiar el tipo de inicio del servicio “%1”.</translation>
    </message>
    <message>
        <source>Could not add the Ultimate Performance power plan.</source>
        <translation>No se pudo añadir el plan de energía Máximo rendimiento.</translation>
    </message>
</context>
<context>
    <name>TweaksPage</name>
    <message>
        <source>These tweaks change Windows settings and act only on Windows. Nothing on this Mac is changed.</source>
        <translation>Estas optimizaciones modifican la configuración de Windows y solo actúan en Windows. No se cambia nada en este Mac.</translation>
    </message>
    <message>
        <source>System Tweaks</source>
        <translation>Optimizaciones del sistema</translation>
    </message>
    <message>
        <source>Fine-tune privacy, performance and interface settings of Windows</source>
        <translation>Ajusta la privacidad, el rendimiento y la interfaz de Windows</translation>
    </message>
    <message>
        <source>Apply recommended</source>
        <translation>Aplicar recomendadas</translation>
    </message>
    <message>
        <source>No tweaks are available.</source>
        <translation>No hay optimizaciones disponibles.</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Precaución</translation>
    </message>
    <message>
        <source>Works only with Tamper Protection switched off in Windows Security.</source>
        <translation>Solo funciona con la protección contra alteraciones desactivada en Seguridad de Windows.</translation>
    </message>
    <message>
        <source>Only available on Windows</source>
        <translation>Solo disponible en Windows</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 on</source>
        <translation>%1 de %2 activadas</translation>
    </message>
</context>
<context>
    <name>UnreadableNote</name>
    <message numerus="yes">
        <source>%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access in System Settings &gt; Privacy &amp; Security.</source>
        <translation>
            <numerusform>No se pudo leer %Ln carpeta: %1. Para incluirla, concede a Sweepnook acceso total al disco en Ajustes del Sistema &gt; Privacidad y seguridad.</numerusform>
            <numerusform>No se pudieron leer %Ln carpetas, entre ellas %1. Para incluirlas, concede a Sweepnook acceso total al disco en Ajustes del Sistema &gt; Privacidad y seguridad.</numerusform>
        </translation>
    </message>
</context>
</TS>
