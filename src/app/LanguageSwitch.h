#ifndef LANGUAGESWITCH_H
#define LANGUAGESWITCH_H

#include <QString>
#include <QTranslator>

// The language of the interface: the translators of Qt's own texts and of the program's,
// installed for simplified or traditional Chinese and removed for English. Every window then
// translates its texts anew on the language-change event that follows.
class LanguageSwitch
{
public:
    void simplifiedChinese();
    void traditionalChinese();
    void english();

private:
    void load(const QString &qtFile, const QString &appFile);

    QTranslator qtTranslator;
    QTranslator appTranslator;
};

#endif // LANGUAGESWITCH_H
