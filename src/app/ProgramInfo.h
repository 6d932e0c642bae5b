#pragma once
// The product's identity texts in one place.
#include <QString>
#include <array>

struct OtherProduct {
    QString Name;
    QString Address;
};

struct ProgramIdentity {
    QString ProgramName;
    QString HomePage;
    QString CompanyName;
    QString MoreSoftwareLink;
    QString ReleaseYear;
    std::array<OtherProduct, 3> OtherProducts;
};

const ProgramIdentity& Identity();

// The part of a program name after its first blank; a name without a blank whole.
QString ProgramNameLabelText(const QString& programName);
// "<ProgramName> V<version>".
QString MainCaption(const QString& programName, const QString& versionText);
// The help page beside the program.
QString HelpFilePath(const QString& programFolder);

class TMainForm;
// Applies the identity to the application and the main window: title, caption,
// program-name label, help file.
void InitProgramInfo(TMainForm& form);
