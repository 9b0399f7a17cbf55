// Every key of the settings file, in the order Save writes them: changing its control through the
// real widgets and saving changes exactly that key's line of the file, and keys without an editor
// pass a load and a save unchanged.
#include "AppDataTest.h"

#include <QAbstractButton>

namespace halvex::test {
namespace {

// Where the control is: a page of the application-data window or of the camera settings sheet.
enum Where { Parameter, Capture, Library, Processing, Camera1, Camera2 };

struct KeyCase {
    QByteArray section;
    // How the key's control is changed: typed over (Type) and left (TypeLeave), a list entry
    // chosen (Choose), a slider dragged to the position in input (Drag), a radio button clicked
    // (Click), the font dialog answering a font and colour (Font), the colour dialog answering
    // red,green,blue (Colour). Kept: no editor by design, hand-edited lines are loaded and saved
    // again. None: no editor on its sensor, loaded, used by Start when sequence says so and saved
    // again.
    QByteArray change;
    Where page;
    int control;
    // Typed text, chosen entry, slider position, the dialog's answer, or the hand-edited lines of
    // the file.
    QByteArray input;
    // The saved lines expected to differ from the factory file, the key's own line first; empty:
    // the hand-edited lines of input, saved as they were.
    QByteArray saved;
    bool sequence; // None: the camera start-up sequence applies the hand-edited command
};

QByteArray savedLines(const KeyCase& c) {
    return c.saved.isEmpty() ? c.input : c.saved;
}

// Section and key of the row, as "Section_Key".
std::string keyName(const KeyCase& c) {
    const QByteArray line = savedLines(c);
    return c.section.toStdString() + "_" + line.left(line.indexOf('=')).toStdString();
}

// The rows of settings-keys.txt, one per key in the order Save writes them: section, change,
// page, control id, input, saved lines and "sequence", tab-separated, with "\n" between lines.
std::vector<KeyCase> keyCases() {
    QFile file(QStringLiteral(HALVEX_SOURCE_DIR "/tests/appdata/settings-keys.txt"));
    const QList<QByteArray> pages =
        QByteArray("Parameter Capture Library Processing Camera1 Camera2").split(' ');
    std::vector<KeyCase> cases;
    for (QByteArray line :
         file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>()) {
        const QList<QByteArray> f = line.replace("\\n", "\n").split('\t');
        if (f.size() >= 6) {
            cases.push_back({f[0], f[1], static_cast<Where>(pages.indexOf(f[2])), f[3].toInt(),
                             f[4], f[5], f.size() > 6});
        }
    }
    return cases;
}

// file with the lines of the section's keys replaced; a key the section lacks fails the test.
QByteArray withLines(QByteArray file, const QByteArray& section, const QByteArray& lines) {
    for (const QByteArray& line : lines.split('\n')) {
        const QByteArray key = line.left(line.indexOf('=') + 1);
        const qsizetype header = file.indexOf("[" + section + "]\r\n");
        const qsizetype at = file.indexOf("\r\n" + key, header) + 2;
        const qsizetype next = file.indexOf('[', header + 1);
        if (header < 0 || at < 2 || (next >= 0 && at > next)) {
            ADD_FAILURE() << section.constData() << " has no " << key.constData();
            continue;
        }
        file.replace(at, file.indexOf("\r\n", at) - at, line);
    }
    return file;
}

class SettingsKeyTest : public AppDataTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    void TearDown() override {
        main.reset();
        AppDataTest::TearDown();
    }

    bool onCamera() const { return GetParam().page >= Camera1; }

    void edit() {
        const KeyCase& c = GetParam();
        const QString input = QString::fromLatin1(c.input);
        if (onCamera()) {
            main->m_pSheet->setActivePage(c.page - Camera1);
            current = main->m_pSheet->activePage();
        } else {
            showPage(c.page);
        }
        if (c.change == "Type" || c.change == "TypeLeave") {
            typeInto(c.control, input);
            if (c.change == "TypeLeave") {
                leave(c.control);
            }
        } else if (c.change == "Choose") {
            choose(c.control, input);
        } else if (c.change == "Drag") {
            drag(c.control, input.toInt());
        } else if (c.change == "Click" || c.change == "Font" || c.change == "Colour") {
            answerDialog(c);
            QTest::mouseClick(current->controls().as<QAbstractButton>(c.control), Qt::LeftButton);
        }
    }

    // The font dialog answers "face,tenths,weight,underline,R,G,B"; the colour dialog "R,G,B".
    void answerDialog(const KeyCase& c) {
        const QList<QByteArray> parts = c.input.split(',');
        const auto colour = [&parts](qsizetype at) {
            return QColor(parts[at].toInt(), parts[at + 1].toInt(), parts[at + 2].toInt());
        };
        if (c.change == "Colour") {
            dialogs.colourAnswers.push_back(colour(0));
        } else if (c.change == "Font") {
            FontDialogResult answer{true, {QString::fromLatin1(parts[0])}, colour(4)};
            answer.font.pointSizeTenths = parts[1].toInt();
            answer.font.weight = parts[2].toInt();
            answer.font.underline = parts[3] == "1";
            dialogs.fontAnswers.push_back(answer);
        }
    }

    void save() {
        if (onCamera()) {
            dialogs.fileAnswers.push_back(iniPath());
            main->menu()->choose(MenuId::FileSave);
        } else {
            saveAs(iniPath());
        }
    }

    std::unique_ptr<CameraDataDialog> main;
};

TEST_P(SettingsKeyTest, ChangesExactlyItsLineOfTheSavedFile) {
    const KeyCase& c = GetParam();
    QByteArray original = fileBytes(iniPath());
    if (c.change == "Kept" || c.change == "None") {
        // A hand-edited file: the line as the technician left it.
        original = withLines(original, c.section, c.input);
        writeFile(iniPath(), original);
        SettingsFile().Load(iniPath());
    }
    if (onCamera()) {
        vx3sim::setCameraVersion(c.section.endsWith('2') ? "OV7620" : "OV7610");
        main = startMainWindow();
    } else {
        window = openWindow();
    }

    edit();
    if (c.sequence) {
        const QList<QByteArray> command = c.input.split('=')[1].split(',');
        main->StartLiveView();
        const int address = command[0].toInt(nullptr, 16);
        const int mask = command[1].toInt(nullptr, 16);
        EXPECT_EQ(vx3sim::peekRegister(static_cast<std::uint8_t>(address)) & mask,
                  command[2].toInt(nullptr, 16));
        main->StopLiveView();
    }
    save();
    EXPECT_EQ(fileBytes(iniPath()).toStdString(),
              withLines(original, c.section, savedLines(c)).toStdString());
}

INSTANTIATE_TEST_SUITE_P(AllKeys, SettingsKeyTest, ::testing::ValuesIn(keyCases()),
                         [](const auto& param) { return keyName(param.param); });

TEST(SettingsKeyTable, CoversAllKeysOfTheFile) {
    std::size_t keys = 0;
    for (const KeyCase& c : keyCases()) {
        keys += c.change == "Kept" ? c.input.count('\n') + 1 : 1;
    }
    EXPECT_EQ(keys, 101u);
}

} // namespace
} // namespace halvex::test
