#pragma once
#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QVariant>

// Settings files are INI text that QSettings decodes. A value spelled "@Variant(...)" is handed
// to QDataStream as a whole QVariant: a list or hash with a crafted count makes it allocate
// without bound and the program dies. The only such values the program itself writes are
// colours, so every file is passed through here before QSettings sees it.

// The text with every line removed whose value would be decoded as anything but a colour
// variant of the exact length one takes; the keys of the removed lines go to `refusedKeys`.
// The lines are found as QSettings finds them (quotes, escapes, continuation lines, comments).
QByteArray withoutUndecodableValues(const QByteArray &iniText, QStringList *refusedKeys);

// The values of checked text as QSettings reads them, keyed as QSettings names them
// ("PROFILE/LedMode/LED_MODE_3_RGB"), in one pass. Only the spelling the program writes is
// taken: plain section and key names, one value per key that is text or a colour. False for
// anything else (escaped names, lists, other "@" values, keys outside a section, a byte order
// mark, a line without '='); the file is then read through QSettings itself.
bool readPlainSettings(const QByteArray &checkedText, QHash<QString, QVariant> *values);
