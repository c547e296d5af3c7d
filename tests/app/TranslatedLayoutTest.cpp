// Every window in every program language: no caption, button, page tab or group title is cut, and the
// longest hint of the status line can be read whole.
#include "FakeChannel.h"
#include "ProgramFolder.h"
#include "ScriptedDialogs.h"
#include "app/TForm1.h"
#include "platform/Texts.h"
#include "platform/VirtualClock.h"
#include "settings/ProgramLanguage.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// What of a window's texts does not fit where it is shown, one line per text.
QStringList cutTexts(QWidget* window)
{
    QStringList cut;
    const auto where = [](const QWidget* w, const QString& text) -> QString {
        return w->window()->objectName() + u'/' + w->objectName() + QStringLiteral(": \"") + text + u'"';
    };
    for (QTabBar* bar : window->findChildren<QTabBar*>()) {
        if (!bar->isVisible()) continue;
        for (int i = 0; i < bar->count(); ++i) {
            if (!bar->isTabVisible(i)) continue;
            const QRect tab = bar->tabRect(i);
            if (tab.width() < bar->fontMetrics().horizontalAdvance(bar->tabText(i)) || tab.left() < 0 ||
                tab.right() >= bar->width())
                cut.append(where(bar, bar->tabText(i)));
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty() || !button->sizeHint().isValid()) continue;
        // A character's room on each side of the caption, as every style leaves at least.
        const int room = button->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        const QString text = QString(button->text()).remove(u'&');
        if (button->width() < button->sizeHint().width() ||
            button->width() < button->fontMetrics().horizontalAdvance(text) + 2 * room)
            cut.append(where(button, text));
    }
    for (QGroupBox* group : window->findChildren<QGroupBox*>())
        if (group->isVisible() && group->width() < group->fontMetrics().horizontalAdvance(group->title()))
            cut.append(where(group, group->title()));
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->textFormat() == Qt::RichText) continue;
        const QRect room = label->contentsRect();
        // A caption's mnemonic marker is not drawn.
        const QString text = label->buddy() ? QString(label->text()).remove(u'&') : label->text();
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->fontMetrics().horizontalAdvance(text) <= room.width();
        if (!fits) cut.append(where(label, label->text()));
    }
    return cut;
}

// The program language for one test; English again at its end.
class ProgramLanguage {
public:
    explicit ProgramLanguage(const char* word)
    {
        settings::installProgramLanguage(QString::fromUtf8(word), QStringLiteral(TARVIK_BIN_DIR "/"),
                                         QStringLiteral("tarvik"));
    }
    ~ProgramLanguage() { settings::installProgramLanguage(QStringLiteral("english"), {}, {}); }
};

class TranslatedLayoutTest : public ::testing::TestWithParam<const char*> {
protected:
    ProgramLanguage language{GetParam()};
    ProgramFolder folder{"TABEN.DDF"};
    platform::VirtualClock clock;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
};

// Shows the window with every page of its page controls in turn, as a user may.
QStringList cutTextsOnEveryPage(QWidget* window)
{
    for (QTabWidget* pages : window->findChildren<QTabWidget*>())
        for (int i = 0; i < pages->count(); ++i)
            pages->setTabVisible(i, true);
    window->show();
    QStringList cut = cutTexts(window);
    // Every window fits a screen of 1280 by 1024, the smallest a workshop laptop has.
    if (const QSize least = window->minimumSizeHint(); least.width() > 1280 || least.height() > 1024)
        cut.append(QStringLiteral("%1 needs %2 x %3").arg(window->objectName()).arg(least.width()).arg(least.height()));
    for (QTabWidget* pages : window->findChildren<QTabWidget*>())
        for (int i = 1; i < pages->count(); ++i) {
            const QSignalBlocker quiet(pages); // a page's own handler (opening a window) is not what is looked at
            pages->setCurrentIndex(i);
            cut += cutTexts(pages->widget(i));
        }
    window->hide();
    cut.removeDuplicates();
    return cut;
}

TEST_P(TranslatedLayoutTest, EveryWindowShowsItsTextsWhole)
{
    device::DeviceSession session(channel);
    TForm1 main(session);
    main.session.link.startDriver = [] { return false; };
    main.FormCreate();
    main.createForms();
    main.form.ProgramStatus->setText(platform::texts().notStorable);
    main.MenuTrendClick(); // made when first asked for, as the calibration window
    main.CalibrationCheckClick();
    QStringList cut = cutTextsOnEveryPage(&main);
    for (QWidget* window : main.findChildren<QWidget*>()) {
        if (!window->isWindow()) continue;
        cut += cutTextsOnEveryPage(window);
    }
    EXPECT_TRUE(cut.isEmpty()) << cut.join(u'\n').toStdString();
}

TEST(ProgramLanguageOfQt, TheButtonsQtNamesItselfSpeakTheProgramsLanguage)
{
    const auto cancel = []() -> QString {
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text() + u'/' + box.button(QDialogButtonBox::Yes)->text();
    };
    {
        ProgramLanguage german("deutsch");
        EXPECT_EQ(cancel(), QStringLiteral("Abbrechen/&Ja"));
    }
    {
        ProgramLanguage czech("\xc4\x8d"
                              "esky");
        EXPECT_EQ(cancel(), QString::fromUtf8("Zru\xc5\xa1it/&Ano"));
    }
    EXPECT_EQ(cancel(), QStringLiteral("Cancel/&Yes"));
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedLayoutTest,
                         ::testing::Values("english", "deutsch",
                                           "\xc4\x8d"
                                           "esky"));

} // namespace
