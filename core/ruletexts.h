#pragma once

#include <QString>

// The names and descriptions of the bundled rules files stay English in the files, in the engines
// and in the log; the interface shows them in its own language. They are listed for the catalogues
// in translations/ruletexts.h under the context RuleTexts::Context.
namespace RuleTexts {

inline constexpr char Context[] = "RuleTexts";

// A rules text in the interface language; any other text (a path, a name read from disk) comes
// back as it is.
QString shown(const QString &english);

} // namespace RuleTexts
