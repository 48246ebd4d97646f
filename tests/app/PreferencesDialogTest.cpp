#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "RecordingUi.h"
#include "preferences/AspectSample.h"
#include "preferences/ColorGrid.h"
#include "preferences/PreferencesDialog.h"
#include "preferences/SettingsFile.h"
#include "settings/Settings.h"
#include "settings/SettingsFileFormat.h"

using sloopform::Settings;

namespace {

enum Page { ColoursTab, AspectTab, GoalsTab, EditingTab };

// The dialog open on `settings`, driven as a user would.
class OpenDialog {
public:
    explicit OpenDialog(Settings& settings) : dialog(settings)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }

    template <typename Widget>
    Widget* child(const char* name) const
    {
        auto* widget = dialog.findChild<Widget*>(name);
        if (widget == nullptr) qFatal("no widget %s", name);
        return widget;
    }

    QPushButton* button(const QString& text) const
    {
        for (auto* button : dialog.findChildren<QPushButton*>())
            if (button->text() == text) return button;
        qFatal("no button %s", qPrintable(text));
    }

    QTabWidget* pages() const { return child<QTabWidget>("pages"); }

    void showPage(Page page) const
    {
        QTabBar* tabs = pages()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    }

    void chooseColour(const QString& group, int cell) const
    {
        showPage(ColoursTab);
        auto* groups = child<QListWidget>("colourGroups");
        const QListWidgetItem* item = groups->findItems(group, Qt::MatchExactly).front();
        QTest::mouseClick(groups->viewport(), Qt::LeftButton, {},
                          groups->visualItemRect(item).center());
        auto* grid = child<ColorGrid>("colourGrid");
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(cell).center());
    }

    void typeGoal(const char* field, const QString& text) const
    {
        showPage(GoalsTab);
        auto* edit = child<QLineEdit>(field);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
    }


    void click(const QString& buttonText) const
    {
        QTest::mouseClick(button(buttonText), Qt::LeftButton);
    }

    void clickRadio(const char* name) const
    {
        showPage(AspectTab);
        auto* radio = child<QRadioButton>(name);
        QStyleOptionButton option;
        option.initFrom(radio);
        const QRect indicator =
            radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio);
        QTest::mouseClick(radio, Qt::LeftButton, {}, indicator.center());
    }

    // The sample square's height in pixels, from its outline colour.
    int sampleSquareHeight(QRgb outline) const
    {
        const QImage image = child<AspectSample>("aspectSample")->image();
        int top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == outline) {
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                }
        return bottom - top;
    }

    PreferencesDialog dialog;
};

std::vector<std::string> Lines(const Settings& settings)
{
    return sloopform::SettingsFileLines(settings);
}

}  // namespace

class PreferencesDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsPagesAndApplyDisabled()
    {
        Settings settings;
        const OpenDialog open(settings);
        QCOMPARE(open.dialog.windowTitle(), "Sloopform Preferences");
        const QStringList tabs = {open.pages()->tabText(0), open.pages()->tabText(1),
                                  open.pages()->tabText(2)};
        QCOMPARE(tabs, (QStringList{"Colours", "Screen Aspect Ratio", "Hull Parameter Goal Accuracy"}));
        QVERIFY(!open.button("&Apply")->isEnabled());
        QCOMPARE(open.child<QLineEdit>("dimensionGoal")->text(), "0.001");
        QCOMPARE(open.child<QLineEdit>("percentageGoal")->text(), "0.1");
        QCOMPARE(open.child<QLineEdit>("coefficientGoal")->text(), "0.01");
        QVERIFY(open.child<QRadioButton>("defaultScaling")->isChecked());
        QVERIFY(!open.child<QSlider>("aspectSlider")->isEnabled());
        auto* groups = open.child<QListWidget>("colourGroups");
        QCOMPARE(groups->item(0)->text(), "Background");
        QCOMPARE(groups->item(1)->text(), "Construction lines");
        QCOMPARE(groups->item(2)->text(), "Hull outlines");
    }

    void aChosenColourIsStoredByApplyWhichDisablesItself()
    {
        Settings settings;
        const OpenDialog open(settings);
        open.chooseColour("Hull outlines", 9);
        QVERIFY(open.button("&Apply")->isEnabled());
        QCOMPARE(settings.Drawing.OutlineColor, sloopform::clWhite);

        open.click("&Apply");
        QCOMPARE(settings.Drawing.OutlineColor, 0x0000FFu);
        QCOMPARE(settings.OutlineIndex, 9);
        QVERIFY(!open.button("&Apply")->isEnabled());
        QVERIFY(open.dialog.isVisible());
    }

    void selectingAGroupShowsItsCell()
    {
        Settings settings;
        settings.ConstructionIndex = 7;
        const OpenDialog open(settings);
        open.chooseColour("Background", 3);
        auto* groups = open.child<QListWidget>("colourGroups");
        const QListWidgetItem* item = groups->findItems("Construction lines", Qt::MatchExactly).front();
        QTest::mouseClick(groups->viewport(), Qt::LeftButton, {}, groups->visualItemRect(item).center());
        QCOMPARE(open.child<ColorGrid>("colourGrid")->selectedCell(), 7);
        QTest::mouseClick(groups->viewport(), Qt::LeftButton, {},
                          groups->visualItemRect(groups->item(0)).center());
        QCOMPARE(open.child<ColorGrid>("colourGrid")->selectedCell(), 3);
    }

    void refusedGoalKeepsTheDialogOpenOnTheGoalPage_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("dimension 0.2") << "dimensionGoal" << "0.2"
                                       << "Dimension Goal must be between 0.1 and 0.00001 metres";
        QTest::newRow("dimension 0.111") << "dimensionGoal" << "0.111"
                                         << "Dimension Goal must be between 0.1 and 0.00001 metres";
        QTest::newRow("percentage abc") << "percentageGoal" << "abc"
                                        << "Bad numeric character in Percentage Goal: abc";
        QTest::newRow("percentage 1.11") << "percentageGoal" << "1.11"
                                         << "Percentage Goal must be between 1 and 0.001 %";
        QTest::newRow("coefficient 0.12") << "coefficientGoal" << "0.12"
                                          << "Coefficient Goal must be between 0.1 and 0.0001";
    }

    void refusedGoalKeepsTheDialogOpenOnTheGoalPage()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        sloopform::test::RecordingUi ui;
        Settings settings;
        const Settings before = settings;
        const OpenDialog open(settings);
        open.chooseColour("Background", 12);
        open.typeGoal(qPrintable(field), text);
        open.showPage(ColoursTab);
        open.click("&Ok");

        QCOMPARE(ui.MessageTexts(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(ui.messages.front().icon, sloopform::MessageIcon::Error);
        QCOMPARE(ui.messages.front().buttons, sloopform::MessageButtons::Ok);
        QVERIFY(open.dialog.isVisible());
        QCOMPARE(open.pages()->currentIndex(), int(GoalsTab));
        QVERIFY(!open.button("&Apply")->isEnabled());
        QCOMPARE(settings.Goals.Dimension, before.Goals.Dimension);
        QCOMPARE(settings.Goals.Percentage, before.Goals.Percentage);
        QCOMPARE(settings.Goals.Coefficient, before.Goals.Coefficient);
        QCOMPARE(settings.Drawing.BackgroundColor, 0xFF0000u);  // the colour is stored
    }

    void upperBoundsAboveTheMessagesAreAccepted_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("dimension") << "dimensionGoal" << "0.11";
        QTest::newRow("percentage") << "percentageGoal" << "1.1";
        QTest::newRow("coefficient") << "coefficientGoal" << " 0.11 ";
    }

    void upperBoundsAboveTheMessagesAreAccepted()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        sloopform::test::RecordingUi ui;
        Settings settings;
        const OpenDialog open(settings);
        open.typeGoal(qPrintable(field), text);
        QVERIFY(open.button("&Apply")->isEnabled());
        open.click("&Ok");
        QVERIFY(ui.messages.empty());
        QCOMPARE(open.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!open.dialog.isVisible());
        const long double stored = field == "dimensionGoal"    ? settings.Goals.Dimension
                                   : field == "percentageGoal" ? settings.Goals.Percentage
                                                               : settings.Goals.Coefficient;
        QCOMPARE(double(stored), text.trimmed().toDouble());
    }

    void cancelAndEscapeStoreNothingNew_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("cancel") << false;
        QTest::newRow("escape") << true;
    }

    void cancelAndEscapeStoreNothingNew()
    {
        QFETCH(bool, escape);
        Settings settings;
        const OpenDialog open(settings);
        open.chooseColour("Construction lines", 2);
        open.click("&Apply");
        const auto applied = Lines(settings);
        open.chooseColour("Background", 4);
        open.clickRadio("userScaling");
        QTest::keyClick(open.child<QSlider>("aspectSlider"), Qt::Key_PageUp);
        open.typeGoal("dimensionGoal", "0.005");
        if (escape)
            QTest::keyClick(open.child<QLineEdit>("dimensionGoal"), Qt::Key_Escape);
        else
            open.click("&Cancel");
        QCOMPARE(open.dialog.result(), int(QDialog::Rejected));
        QVERIFY(!open.dialog.isVisible());
        QCOMPARE(Lines(settings), applied);
        QCOMPARE(settings.ConstructionIndex, 2);
    }

    void regenerateWhileEditingIsOffUntilChecked()
    {
        Settings settings;
        {
            const OpenDialog open(settings);
            QCOMPARE(open.pages()->tabText(EditingTab), "Editing");
            open.showPage(EditingTab);
            auto* box = open.child<QCheckBox>("regenerateWhileEditing");
            QCOMPARE(box->text(), "&Regenerate while editing");
            QVERIFY(!box->isChecked());
            // The mnemonic clicks the box as a mouse would, a moment later.
            QTest::keyClick(open.pages(), Qt::Key_R, Qt::AltModifier);
            QTRY_VERIFY(box->isChecked());
            QVERIFY(open.button("&Apply")->isEnabled());
            QVERIFY(!settings.RegenerateWhileEditing);
            open.click("&Ok");
        }
        QVERIFY(settings.RegenerateWhileEditing);
        const OpenDialog again(settings);
        QVERIFY(again.child<QCheckBox>("regenerateWhileEditing")->isChecked());
    }

    void scalingChoiceAndSliderSetTheRatio()
    {
        Settings settings;
        settings.Drawing.OutlineColor = 0x00FFFF;
        const OpenDialog open(settings);
        const QRgb yellow = qRgb(255, 255, 0);
        QCOMPARE(open.sampleSquareHeight(yellow), 140);

        open.clickRadio("userScaling");
        auto* slider = open.child<QSlider>("aspectSlider");
        QVERIFY(slider->isEnabled());
        QVERIFY(open.button("&Apply")->isEnabled());
        QTest::keyClick(slider, Qt::Key_PageUp);
        QCOMPARE(slider->value(), 110);
        QVERIFY(qAbs(open.sampleSquareHeight(yellow) - 154) <= 1);
        open.click("&Apply");
        QVERIFY(settings.UserRatio);
        QCOMPARE(double(settings.Drawing.AspectRatio), 1.1);

        open.clickRadio("defaultScaling");
        QVERIFY(!slider->isEnabled());
        QVERIFY(open.button("&Apply")->isEnabled());
        QCOMPARE(open.sampleSquareHeight(yellow), 140);
        open.click("&Ok");
        QVERIFY(!settings.UserRatio);
        QCOMPARE(double(settings.Drawing.AspectRatio), 1.0);
    }

    void sliderStartsAtTheStoredRatio()
    {
        Settings settings;
        settings.UserRatio = true;
        settings.Drawing.AspectRatio = sloopform::UnscaledSetting(105000);
        const OpenDialog open(settings);
        QVERIFY(open.child<QRadioButton>("userScaling")->isChecked());
        QCOMPARE(open.child<QSlider>("aspectSlider")->value(), 105);
        QVERIFY(open.child<QSlider>("aspectSlider")->isEnabled());
        QVERIFY(!open.button("&Apply")->isEnabled());
    }
};

QTEST_MAIN(PreferencesDialogTest)
#include "PreferencesDialogTest.moc"
