// Fixture of the application-data window tests.
#include "AppDataTest.h"

#include "framework/MenuBar.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QFocusEvent>
#include <QTest>

namespace halvex::test {

void AppDataTest::SetUp() {
    AppTest::SetUp();
    ApplicationDirectory = workDir();
    CurrentIniPath = iniPath();
    SettingsFile().Load(CurrentIniPath);
}

void AppDataTest::TearDown() {
    SettingsFile::SetWriteRefusal({});
    window.reset();
    AppTest::TearDown();
}

std::unique_ptr<ApplicationDataDialog> AppDataTest::openWindow() {
    auto dialog = std::make_unique<ApplicationDataDialog>();
    EXPECT_TRUE(dialog->initialize());
    dialog->show();
    return dialog;
}

PropertyPage& AppDataTest::showPage(int index) {
    if (!window) {
        window = openWindow();
    }
    window->sheet()->setActivePage(index);
    current = window->page(index);
    return *current;
}

void AppDataTest::typeInto(int id, const QString& text) {
    QLineEdit* box = edit(id);
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(box, text);
    }
}

void AppDataTest::leave(int id) {
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(current->control(id), &focusOut);
}

void AppDataTest::choose(int id, const QString& entry) {
    QComboBox* combo = list(id);
    const int target = combo->findText(entry);
    ASSERT_GE(target, 0) << entry.toStdString();
    if (combo->currentIndex() < 0) {
        QTest::keyClick(combo, Qt::Key_Home);
    }
    while (combo->currentIndex() != target) {
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
}

void AppDataTest::drag(int id, int position) {
    QSlider* track = slider(id);
    track->setSliderDown(true);
    track->setSliderPosition(position);
    track->setSliderDown(false);
}

void AppDataTest::pressOnSlider(int id, Qt::Key key) {
    QTest::keyClick(slider(id), key);
}

void AppDataTest::saveAs(const QString& path) {
    dialogs.fileAnswers.push_back(path);
    window->menu()->choose(AppDataId::FileSave);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList storeValues() {
    QStringList values;
    for (int i = 0; i < SettingsStore::Count; ++i) {
        values << settingsStore().at(i);
    }
    return values;
}

} // namespace halvex::test
