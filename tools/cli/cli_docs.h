#pragma once
#include <QString>

// Texts made at build time from the tool's own help and tables, so that they never disagree
// with the program: the shell completions and the manual page.

// For bash-completion: defines _zelmouse_cli and registers it for zelmouse-cli.
QString bashCompletionScript();
// For zsh's fpath, as the file "_zelmouse-cli".
QString zshCompletionScript();
// zelmouse-cli(1) in man(7) markup; `version` goes into the page's footer.
QString manPage(const QString &version);
