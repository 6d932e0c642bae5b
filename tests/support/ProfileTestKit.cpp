#include "support/ProfileTestKit.h"

#include <QComboBox>

#include "support/TestProgram.h"
#include "ui/ValueListGrid.h"

const char* const SmallProfile =
    "[Main]\n"
    "Type=mkv\n"
    "Para=4\n"
    "0=Video Size\n"
    "1=Bit Rate\n"
    "2=Audio Codec\n"
    "3=Title\n"
    "[Video Size]\n"
    "Sort=1\n"
    "ReadOnly=0\n"
    "List=1\n"
    "cmd=-s\n"
    "Caption=Original Size,640x480,Custom Size,\n"
    "Value=,640x480,,\n"
    "Index=0\n"
    "[Bit Rate]\n"
    "Sort=1\n"
    "ReadOnly=1\n"
    "List=1\n"
    "cmd=-b:v\n"
    "Caption=Low,High,\n"
    "Value=500k,1000k,\n"
    "Index=1\n"
    "[Audio Codec]\n"
    "Sort=2\n"
    "ReadOnly=1\n"
    "List=0\n"
    "cmd=-c:a\n"
    "Caption=AAC\n"
    "Value=aac\n"
    "[Title]\n"
    "Sort=3\n"
    "ReadOnly=0\n"
    "List=0\n"
    "cmd=-metadata\n"
    "Caption=hello\n"
    "Value=hello\n";

QByteArray Crlf(const char* text)
{
    QByteArray bytes(text);
    bytes.replace("\n", "\r\n");
    return bytes;
}

void WriteProfile(const TestProgram& program, const QString& name, const char* text)
{
    program.writeFile(QStringLiteral("Profiles/") + name, Crlf(text));
}

QStringList GridRows(const ValueListGrid* grid)
{
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row)
        rows << grid->key(row) + QLatin1Char('=') + grid->value(row);
    return rows;
}

void PickProfile(QComboBox* selector, int position)
{
    selector->setCurrentIndex(position);
    emit selector->activated(position);
}

QStringList FileLines(const QByteArray& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
