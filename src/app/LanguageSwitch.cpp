#include "LanguageSwitch.h"

#include <QCoreApplication>

#include "SystemPaths.h"

void LanguageSwitch::simplifiedChinese()
{
    load(QStringLiteral("qt_zh_CN.qm"), QStringLiteral("Korvelin_zh_CN.qm"));
}

void LanguageSwitch::traditionalChinese()
{
    load(QStringLiteral("qt_zh_TW.qm"), QStringLiteral("Korvelin_zh_TW.qm"));
}

void LanguageSwitch::english()
{
    QCoreApplication::removeTranslator(&qtTranslator);
    QCoreApplication::removeTranslator(&appTranslator);
}

void LanguageSwitch::load(const QString &qtFile, const QString &appFile)
{
    // A failed load empties the translator, so a missing file leaves its texts as they are.
    static_cast<void>(qtTranslator.load(qtFile, SystemPaths::qtTranslationsPath()));
    QCoreApplication::installTranslator(&qtTranslator);
    static_cast<void>(appTranslator.load(appFile));
    QCoreApplication::installTranslator(&appTranslator);
}
