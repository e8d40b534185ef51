// The settings file's INI form, read and written in memory, exactly as QSettings reads and
// writes it, so that a file written by any version, or edited by hand, reads the same. Every
// value is taken as text: a list (unquoted commas) is joined again with ','.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace quillex {

// Values by name; the name of a value of a section other than the general one is
// "SECTION/NAME".
using IniValues = QMap<QString, QString>;

IniValues ParseIni(const QByteArray& text);

// The general section first, then the others by name, and within each section the values by
// name.
QByteArray IniText(const IniValues& values);

}  // namespace quillex
