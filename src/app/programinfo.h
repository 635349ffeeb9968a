#pragma once

#include <QString>
#include <QStringList>

class TMainForm;

// The product's identity, held in one place and filled once at start.
namespace ProgramInfo {
extern QString ProductName;
extern QString WebsiteUrl;
extern QString CompanyName;
extern QString MoreProductsUrl;
extern QStringList OtherProductNames;
extern QStringList OtherProductUrls;
extern QString ProductYear;
extern QString HelpFile;
} // namespace ProgramInfo

// Sets the constants, the application's title, the main window's caption and splash label.
void SetProductInfo(TMainForm &mainForm);
