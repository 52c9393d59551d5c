#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryFile>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

#include "Keyboard.h"
#include "KeyboardPlacement.h"
#include "PinyinDictionary.h"
#include "PinyinPager.h"
#include "StorageActions.h"
#include "testutils.h"

namespace {
const QString builtDatabase = QStringLiteral(KORVELIN_BUILD_DIR "/py.db");

// What `work` prints on standard output.
template<typename Work>
QString printed(Work work)
{
    QTemporaryFile file;
    file.open();
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    dup2(file.handle(), STDOUT_FILENO);
    work();
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    file.seek(0);
    return QString::fromUtf8(file.readAll());
}
} // namespace

// The on-screen keyboard driven through its real keys, on real fields, with the pinyin
// database the build generates.
class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void paging();
    void placementRules();
    void realDictionary();
    void englishTyping();
    void pinyinTyping();
    void otherFields();
    void fieldsThatKeepItAway();
    void followsAndDrags();
    void keyRepeat();
    void deletedTarget();
    void unavailableDatabaseKeepsEnglish_data();
    void unavailableDatabaseKeepsEnglish();
    void physicalKeys();
    void fileDialogName();

private:
    Keyboard *kb() const { return Keyboard::Instance(); }
    QPushButton *key(const QString &name) const { return kb()->findChild<QPushButton *>(name); }
    void tap(const QString &name) { QTest::mouseClick(key(name), Qt::LeftButton); }
    void taps(const QStringList &names)
    {
        for (const QString &name : names)
            tap(name);
    }
    void typeLetters(const QString &letters)
    {
        for (const QChar c : letters)
            tap(QStringLiteral("letter_") + c.toUpper());
    }
    QString label(const QString &name) const { return kb()->findChild<QLabel *>(name)->text(); }
    QString candidate(int i) const { return label(QStringLiteral("language_CH%1").arg(i)); }
    void clickField(QWidget *field)
    {
        auto *edit = qobject_cast<QTextEdit *>(field);
        QTest::mouseClick(edit ? edit->viewport() : field, Qt::LeftButton);
    }
    QRect globalRect(const QWidget *w) const { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }
    template<class W>
    static W *placed(W *widget, const QRect &geometry)
    {
        widget->setGeometry(geometry);
        return widget;
    }

    QWidget window;
    QLineEdit *line = nullptr;
    QLineEdit *quiet = nullptr;
    QSpinBox *spin = nullptr;
    QDoubleSpinBox *decimal = nullptr;
    QTextEdit *text = nullptr;
    QComboBox *combo = nullptr;
    QLineEdit *readOnly = nullptr;
    QPushButton *button = nullptr;
    std::unique_ptr<PinyinDictionary> reference;
    TestUtils::Sandbox sandbox;
};

void TestKeyboard::initTestCase()
{
    // The simulator finds py.db in its working folder without any set-up.
    if (!QFile::exists(builtDatabase))
        QSKIP("py.db was not generated (rime-data-pinyin-simp missing?)");
    QVERIFY(QFile::copy(builtDatabase, QStringLiteral("py.db")));
    reference.reset(new PinyinDictionary(builtDatabase, QStringLiteral("reference")));

    kb()->Init(QStringLiteral("follow"), QStringLiteral("blue"));
    kb()->installKeyboard(this);

    window.setGeometry(20, 20, 400, 300);
    line = placed(new QLineEdit(&window), {10, 10, 200, 30});
    quiet = placed(new QLineEdit(&window), {10, 50, 200, 30});
    quiet->setProperty("nodialogfullkeyboard", true);
    spin = placed(new QSpinBox(&window), {10, 90, 100, 30});
    spin->setRange(0, 1000);
    decimal = placed(new QDoubleSpinBox(&window), {120, 90, 100, 30});
    text = placed(new QTextEdit(&window), {10, 130, 200, 80});
    combo = placed(new QComboBox(&window), {10, 220, 150, 30});
    combo->setEditable(true);
    readOnly = placed(new QLineEdit(QStringLiteral("fixed"), &window), {10, 260, 150, 30});
    readOnly->setReadOnly(true);
    button = placed(new QPushButton(QStringLiteral("other"), &window), {250, 10, 100, 30});
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void TestKeyboard::init()
{
    // A press on a plain button takes the focus off every field: the keyboard goes, back in
    // English.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(button, Qt::LeftButton);
    button->setFocus();
    kb()->hideKeyboard();
    for (const char *toggle : {"control_CapsLock", "control_LeftShift"})
        key(QLatin1String(toggle))->setChecked(false);
    line->clear();
    QCOMPARE(kb()->inputLanguage(), QStringLiteral("EN"));
}

// Paging through every word and back to the first page is checked on the fuzz corpus (tests/
// fuzz/tst_fuzzreplay.cpp); here the ends, and a place on the page that holds no word.
void TestKeyboard::paging()
{
    PinyinPager pager;
    pager.setWords({"w1", "w2", "w3", "w4", "w5", "w6", "w7", "w8", "w9", "w10"});
    QVERIFY(!pager.previousPage());
    QVERIFY(pager.nextPage());
    QCOMPARE(pager.page(), QStringList{QStringLiteral("w10")});
    QVERIFY(!pager.nextPage());
    QVERIFY(pager.wordAt(0).isEmpty() && pager.wordAt(2).isEmpty());
}

void TestKeyboard::placementRules()
{
    const QSize size(900, 330);
    const QRect screen(0, 0, 1920, 1080);
    auto follow = [&](const QRect &field, const QRect &area) {
        return KeyboardPlacement::place(QStringLiteral("follow"), field, size, area);
    };
    QCOMPARE(follow(QRect(100, 200, 300, 30), screen), QRect(100, 230, 900, 330));
    QCOMPARE(follow(QRect(1500, 200, 300, 30), screen), QRect(1020, 230, 900, 330));
    QCOMPARE(follow(QRect(100, 900, 300, 30), screen), QRect(100, 570, 900, 330));
    QCOMPARE(follow(QRect(1700, 1000, 200, 30), screen), QRect(1020, 670, 900, 330));
    // Too close to the top for room above: below, running off the bottom rather than over it.
    QCOMPARE(follow(QRect(100, 100, 300, 30), QRect(0, 0, 1920, 400)), QRect(100, 130, 900, 330));
    // A second screen to the right.
    QCOMPARE(follow(QRect(3700, 1040, 100, 30), QRect(1920, 0, 1920, 1080)), QRect(2940, 710, 900, 330));
    QCOMPARE(KeyboardPlacement::place(QStringLiteral("center"), QRect(5, 5, 10, 10), size, screen),
             QRect(510, 375, 900, 330));
    QCOMPARE(KeyboardPlacement::place(QStringLiteral("bottom"), QRect(5, 5, 10, 10), size, screen),
             QRect(0, 750, 1920, 330));
}

// Words of one and more syllables, and pinyin with no row, are looked up by the typing tests.
void TestKeyboard::realDictionary()
{
    // What is typed is a value, never part of the statement.
    QVERIFY(reference->lookup(QStringLiteral("x' OR pinyin LIKE '%")).isEmpty());
}

void TestKeyboard::englishTyping()
{
    clickField(line);
    QVERIFY(kb()->isVisible());
    QCOMPARE(kb()->targetWidget(), line);
    typeLetters(QStringLiteral("hi"));
    // Shift gives one capital and lets go; Caps Lock holds.
    tap("control_LeftShift");
    typeLetters(QStringLiteral("kk"));
    QVERIFY(!key(QStringLiteral("control_LeftShift"))->isChecked());
    tap("control_CapsLock");
    typeLetters(QStringLiteral("ab"));
    tap("control_CapsLock");
    typeLetters(QStringLiteral("c"));
    // Two-character keys: the lower one, the upper one with Shift.
    taps({"number_1", "control_LeftShift", "number_1", "symbol_QuestionSlash", "control_Space",
          "symbol_MinusUnderscore", "control_Backspace"});
    QCOMPARE(line->text(), QStringLiteral("hiKkABc1!/ "));
    QSignalSpy returned(line, &QLineEdit::returnPressed);
    tap("control_Enter");
    QCOMPARE(returned.count(), 1);

    // Text edits: plain insertion; Backspace takes a selection.
    clickField(text);
    text->clear();
    typeLetters(QStringLiteral("abc"));
    tap("control_Backspace");
    QCOMPARE(text->toPlainText(), QStringLiteral("ab"));
    text->selectAll();
    tap("control_Backspace");
    QVERIFY(text->toPlainText().isEmpty());

    // Close, and a press on the same field brings it back.
    tap("pb_Close");
    QVERIFY(!kb()->isVisible());
    clickField(text);
    QVERIFY(kb()->isVisible());
}

void TestKeyboard::pinyinTyping()
{
    clickField(line);
    tap("control_Language");
    QCOMPARE(kb()->inputLanguage(), QStringLiteral("zh_CN"));
    QCOMPARE(key(QStringLiteral("control_Language"))->text(), QStringLiteral("汉"));

    typeLetters(QStringLiteral("zhong"));
    QCOMPARE(label(QStringLiteral("language_Pinyin")), QStringLiteral("zhong"));
    QCOMPARE(candidate(1), QStringLiteral("1.中"));
    QVERIFY(line->text().isEmpty());
    tap("number_1");
    QCOMPARE(line->text(), QStringLiteral("中"));
    QVERIFY(label(QStringLiteral("language_Pinyin")).isEmpty() && candidate(1).isEmpty());

    // A press on a candidate label chooses it.
    typeLetters(QStringLiteral("nihao"));
    QLabel *hello = nullptr;
    for (int i = 1; i <= 9; ++i) {
        if (candidate(i) == QStringLiteral("%1.你好").arg(i))
            hello = kb()->findChild<QLabel *>(QStringLiteral("language_CH%1").arg(i));
    }
    QVERIFY(hello);
    QTest::mousePress(hello, Qt::LeftButton);
    QCOMPARE(line->text(), QStringLiteral("中你好"));
    // The press is the candidate's alone: moving on from it does not drag the keyboard.
    const QPoint placed = kb()->pos();
    TestUtils::move(kb(), QPointF(205, 5), Qt::LeftButton);
    QCOMPARE(kb()->pos(), placed);
    QTest::mouseRelease(hello, Qt::LeftButton);

    // Space takes the first candidate.
    typeLetters(QStringLiteral("ni"));
    tap("control_Space");
    QCOMPARE(line->text(), QStringLiteral("中你好") + reference->lookup(QStringLiteral("ni")).value(0));

    // No row: nothing offered. Backspace eats the pinyin first, then deletes at the field.
    line->setText(QStringLiteral("ab"));
    typeLetters(QStringLiteral("vv"));
    QCOMPARE(label(QStringLiteral("language_Pinyin")), QStringLiteral("vv"));
    QVERIFY(candidate(1).isEmpty());
    taps({"control_Backspace", "control_Backspace"});
    QCOMPARE(line->text(), QStringLiteral("ab"));
    tap("control_Backspace");
    QCOMPARE(line->text(), QStringLiteral("a"));

    // Paging through "shi" with the page, arrow and symbol keys; a digit chooses on the page.
    const QStringList shi = reference->lookup(QStringLiteral("shi"));
    QVERIFY(shi.size() > 18);
    typeLetters(QStringLiteral("shi"));
    QCOMPARE(candidate(1), QStringLiteral("1.") + shi.at(0));
    tap("control_PageUp");
    QCOMPARE(candidate(1), QStringLiteral("1.") + shi.at(9));
    taps({"symbol_LessComma", "control_PageDown"});
    QCOMPARE(candidate(1), QStringLiteral("1.") + shi.at(0));
    taps({"symbol_PlusEqual", "number_2"});
    QCOMPARE(line->text(), QStringLiteral("a") + shi.at(10));

    // Digits with no pinyin typed are digits; back in English letters are letters.
    taps({"number_7", "control_Language"});
    typeLetters(QStringLiteral("x"));
    QCOMPARE(line->text(), QStringLiteral("a") + shi.at(10) + QStringLiteral("7x"));
}

void TestKeyboard::otherFields()
{
    // Spin boxes get key events, each once (twice would make 442).
    spin->setValue(0);
    clickField(spin);
    QVERIFY(kb()->isVisible());
    QCOMPARE(kb()->targetKind(), QStringLiteral("QWidget"));
    spin->selectAll();
    taps({"number_4", "number_2"});
    QCOMPARE(spin->value(), 42);
    tap("control_Backspace");
    QCOMPARE(spin->value(), 4);
    decimal->setValue(0);
    clickField(decimal);
    QCOMPARE(kb()->targetWidget(), decimal);
    decimal->selectAll();
    taps({"number_2", "control_Backspace", "number_5"});
    QCOMPARE(decimal->value(), 5.0);

    // An editable combo box is typed into through its editor.
    clickField(combo->lineEdit());
    QCOMPARE(kb()->targetWidget(), combo->lineEdit());
    typeLetters(QStringLiteral("ok"));
    tap("control_Backspace");
    QCOMPARE(combo->currentText(), QStringLiteral("o"));

    // A read-only field keeps its text whatever is pressed.
    clickField(readOnly);
    QCOMPARE(kb()->targetWidget(), readOnly);
    typeLetters(QStringLiteral("x"));
    taps({"control_Backspace", "control_Space"});
    QCOMPARE(readOnly->text(), QStringLiteral("fixed"));
}

void TestKeyboard::fieldsThatKeepItAway()
{
    clickField(quiet);
    QVERIFY(!kb()->isVisible());
    clickField(line);
    QVERIFY(kb()->isVisible());
    clickField(quiet);
    QVERIFY(!kb()->isVisible());
    // A press on a widget that takes no text sends it away, and the language back to English.
    clickField(line);
    tap("control_Language");
    QTest::mouseClick(button, Qt::LeftButton);
    button->setFocus();
    QVERIFY(!kb()->isVisible());
    QCOMPARE(kb()->inputLanguage(), QStringLiteral("EN"));
}

void TestKeyboard::followsAndDrags()
{
    clickField(line);
    QVERIFY(kb()->isVisible());
    // Below the field, pushed left to end at the right edge of the screen.
    QCOMPARE(kb()->frameGeometry().top(), globalRect(line).bottom() + 1);
    QCOMPARE(kb()->frameGeometry().right(), QGuiApplication::primaryScreen()->availableGeometry().right());

    // Dragged by its background, with the button held.
    const QPoint before = kb()->pos();
    TestUtils::press(kb(), QPointF(3, 100));
    TestUtils::move(kb(), QPointF(53, 80), Qt::LeftButton);
    TestUtils::release(kb(), QPointF(53, 80));
    QCOMPARE(kb()->pos(), before + QPoint(50, -20));
}

void TestKeyboard::keyRepeat()
{
    clickField(line);
    QPushButton *a = key(QStringLiteral("letter_A"));
    auto *timer = kb()->findChild<QTimer *>(QStringLiteral("repeatTimer"));
    QTest::mousePress(a, Qt::LeftButton);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), Keyboard::repeatDelay);
    QVERIFY(line->text().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(line->text().size() >= 1, 5000);
    QCOMPARE(timer->interval(), Keyboard::repeatInterval);
    QTRY_VERIFY_WITH_TIMEOUT(line->text().size() >= 4, 5000);
    QTest::mouseRelease(a, Qt::LeftButton);
    QVERIFY(!timer->isActive());
    const QString typed = line->text();
    QTest::qWait(100);
    QCOMPARE(line->text(), typed);
    QCOMPARE(typed, QString(typed.size(), QLatin1Char('a')));

    // Backspace repeats like the arrows; toggles and Enter do not.
    QTest::mousePress(key(QStringLiteral("control_Backspace")), Qt::LeftButton);
    QVERIFY(timer->isActive());
    QTest::mouseRelease(key(QStringLiteral("control_Backspace")), Qt::LeftButton);
    for (const char *name : {"control_LeftShift", "control_Enter", "control_Language"}) {
        QTest::mousePress(key(QLatin1String(name)), Qt::LeftButton);
        QVERIFY2(!timer->isActive(), name);
        QTest::mouseRelease(key(QLatin1String(name)), Qt::LeftButton);
    }
    // Hidden with a key held, as the window system may hide it: the repeat stops, nothing typed.
    const QString before = line->text();
    QTest::mousePress(a, Qt::LeftButton);
    kb()->hide();
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 5000);
    QCOMPARE(line->text(), before);
    kb()->show();
    QTest::mouseRelease(a, Qt::LeftButton);
}

void TestKeyboard::deletedTarget()
{
    auto *dialog = new QDialog;
    auto *field = new QLineEdit(dialog);
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    clickField(field);
    QCOMPARE(kb()->targetWidget(), field);
    tap("control_Language");
    typeLetters(QStringLiteral("ni"));
    delete dialog;
    QVERIFY(!kb()->targetWidget());
    for (const char *name : {"letter_A", "number_1", "control_Space", "control_Backspace", "control_Enter"})
        key(QLatin1String(name))->click();
    kb()->keyboardShowed();
    QVERIFY(!kb()->isVisible());
}

void TestKeyboard::unavailableDatabaseKeepsEnglish_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // In a folder that exists, where SQLite would happily create it.
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a database") << QByteArray(4096, 'x');
}

// Said once, named, and the file left as it is.
void TestKeyboard::unavailableDatabaseKeepsEnglish()
{
    QFETCH(QByteArray, bytes);
    const QString path = sandbox.path(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral("-py.db"));
    QVERIFY(bytes.isEmpty() || TestUtils::writeFile(path, bytes));
    kb()->setPinyinDatabase(path);
    const QString out = printed([&] {
        clickField(line);
        tap("control_Language");
        typeLetters(QStringLiteral("nihao"));
        QCOMPARE(label(QStringLiteral("language_Pinyin")), QStringLiteral("nihao"));
        QVERIFY(candidate(1).isEmpty());
        taps({"control_Language", "control_Language", "control_Language"});
        typeLetters(QStringLiteral("ok"));
    });
    kb()->setPinyinDatabase(builtDatabase);
    QCOMPARE(line->text(), QStringLiteral("ok"));
    QCOMPARE(out.count(QStringLiteral("Chinese input is unavailable")), 1);
    QVERIFY(out.contains(path));
    QCOMPARE(QFile::exists(path), !bytes.isEmpty());
    QCOMPARE(TestUtils::readFile(path), bytes);
}

void TestKeyboard::physicalKeys()
{
    clickField(line);
    // Typed once, through the keyboard's own keys.
    QTest::keyClicks(line, QStringLiteral("ab"));
    QCOMPARE(line->text(), QStringLiteral("ab"));
    // Where the keyboard gives them no meaning, keys stay with the field.
    QTest::keyClick(line, Qt::Key_Left);
    QCOMPARE(line->cursorPosition(), 1);
    QTest::keyClick(line, Qt::Key_F2);
    line->end(false);

    // In Chinese the letters become pinyin; Return puts them in as they stand and hides.
    tap("control_Language");
    QTest::keyClicks(line, QStringLiteral("ni"));
    QCOMPARE(label(QStringLiteral("language_Pinyin")), QStringLiteral("ni"));
    QCOMPARE(line->text(), QStringLiteral("ab"));
    QTest::keyClick(line, Qt::Key_Return);
    QCOMPARE(line->text(), QStringLiteral("abni"));
    QVERIFY(!kb()->isVisible());

    clickField(line);
    QTest::keyClick(line, Qt::Key_Escape);
    QVERIFY(!kb()->isVisible());

    // Shift held over several keys, as a person or a code scanner types: every character comes
    // in as typed, and the keyboard's own Shift is let go afterwards.
    clickField(line);
    tap("control_Language");
    QCOMPARE(kb()->inputLanguage(), QStringLiteral("EN"));
    line->clear();
    auto send = [this](QEvent::Type type, int code, const QString &typed) {
        QKeyEvent event(type, code, Qt::ShiftModifier, typed);
        QApplication::sendEvent(line, &event);
    };
    send(QEvent::KeyPress, Qt::Key_Shift, QString());
    for (const char c : {'A', 'B', '!', '!', '_'}) {
        send(QEvent::KeyPress, QTest::asciiToKey(c), QString(QLatin1Char(c)));
        send(QEvent::KeyRelease, QTest::asciiToKey(c), QString(QLatin1Char(c)));
    }
    send(QEvent::KeyRelease, Qt::Key_Shift, QString());
    QTest::keyClicks(line, QStringLiteral("c1"));
    QCOMPARE(line->text(), QStringLiteral("AB!!_c1"));
    QVERIFY(!key(QStringLiteral("control_LeftShift"))->isChecked());
}

void TestKeyboard::fileDialogName()
{
    // The buttons that open the file dialogs carry "dialogfullkeyboard": the dialog's name field
    // has the keyboard at once, clear of it, and a press on the field places it there again.
    // Enter chooses the name, completed by the type offered, and the keyboard goes with the dialog.
    QFileDialog *dialog = StorageActions::createFileDialog(1, QStringLiteral("Save"), sandbox.path("data.csv"),
                                                           QStringLiteral("CSV (*.csv)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QSignalSpy chosen(dialog, &QFileDialog::fileSelected);
    QPushButton save(QStringLiteral("save"));
    save.setProperty("dialogfullkeyboard", true);
    connect(&save, &QPushButton::clicked, dialog, [dialog] { dialog->open(); });
    save.show();
    QVERIFY(QTest::qWaitForWindowExposed(&save));
    QTest::mouseClick(&save, Qt::LeftButton);
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    QTRY_VERIFY(kb()->isVisible());
    QCOMPARE(kb()->targetWidget(), name);
    clickField(name);
    QVERIFY(kb()->isVisible());
    QVERIFY(!kb()->frameGeometry().intersects(globalRect(name)));
    name->selectAll();
    typeLetters(QStringLiteral("ok"));
    tap("control_Enter");
    QCOMPARE(chosen.value(0).value(0).toString(), sandbox.path(QStringLiteral("ok.csv")));
    QTRY_VERIFY(!kb()->isVisible());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
