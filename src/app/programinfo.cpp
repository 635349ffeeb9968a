#include "app/programinfo.h"

#include "app/appglobals.h"
#include "app/mainform.h"

#include <QGuiApplication>
#include <QLabel>

namespace ProgramInfo {
QString ProductName;
QString WebsiteUrl;
QString CompanyName;
QString MoreProductsUrl;
QStringList OtherProductNames;
QStringList OtherProductUrls;
QString ProductYear;
QString HelpFile;
} // namespace ProgramInfo

void SetProductInfo(TMainForm &mainForm)
{
    using namespace ProgramInfo;
    ProductName = QStringLiteral("Vantrel Batch Video Converter");
    WebsiteUrl = QStringLiteral("https://www.vantrel.example/");
    CompanyName = QStringLiteral("Vantrel Software");
    MoreProductsUrl = QStringLiteral("https://www.vantrel.example/products/");
    OtherProductNames
            = {QStringLiteral("Vantrel Audio Converter"), QStringLiteral("Vantrel DVD Ripper"),
               QStringLiteral("Vantrel Video Joiner")};
    OtherProductUrls = {QStringLiteral("https://www.vantrel.example/audio-converter/"),
                        QStringLiteral("https://www.vantrel.example/dvd-ripper/"),
                        QStringLiteral("https://www.vantrel.example/video-joiner/")};
    ProductYear = QStringLiteral("2026");
    HelpFile = AppDir + QStringLiteral("Vantrel.chm");

    QGuiApplication::setApplicationDisplayName(ProductName);
    mainForm.setWindowTitle(ProductName + QStringLiteral(" V") + VersionText);
    const int blank = ProductName.indexOf(QLatin1Char(' '));
    mainForm.labProgramName->setText(blank >= 0 ? ProductName.mid(blank + 1) : ProductName);
}
