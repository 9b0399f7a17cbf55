// Fixture of the application-data window tests: the factory default.ini loaded and in use, the
// window opened on it, and the technician's gestures on the pages' real widgets.
#pragma once

#include "AppTestEnvironment.h"
#include "FileBytes.h"
#include "TechnicianHands.h"
#include "appdata/ApplicationDataDialog.h"
#include "framework/MenuBar.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QStringList>
#include <memory>

namespace halvex::test {

enum PageIndex { ParameterPage, CaptureScreenPage, LibraryScreenPage, ProcessingScreenPage };

class AppDataTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ApplicationDirectory = workDir();
        CurrentIniPath = iniPath();
        SettingsFile().Load(CurrentIniPath);
    }
    void TearDown() override {
        SettingsFile::SetWriteRefusal({});
        window.reset();
        AppTest::TearDown();
    }

    // The window as the main window opens it: built from the store, initialised and shown.
    static std::unique_ptr<ApplicationDataDialog> openWindow() {
        auto dialog = std::make_unique<ApplicationDataDialog>();
        EXPECT_TRUE(dialog->initialize());
        dialog->show();
        return dialog;
    }
    // Brings a page to the front (initialising it on its first showing) and returns it.
    PropertyPage& showPage(int index) {
        if (!window) {
            window = openWindow();
        }
        window->sheet()->setActivePage(index);
        current = window->page(index);
        return *current;
    }

    // The controls of the page in front, as the widgets they are.
    QLineEdit* edit(int id) const { return current->controls().as<QLineEdit>(id); }
    QComboBox* list(int id) const { return current->controls().as<QComboBox>(id); }
    QSlider* slider(int id) const { return current->controls().as<QSlider>(id); }

    void typeInto(int id, const QString& text) const { test::typeInto(edit(id), text); }
    void leave(int id) const { test::leave(current->control(id)); }
    void drag(int id, int position) const { test::drag(slider(id), position); }
    // Walks the list with the arrow keys until entry is chosen.
    void choose(int id, const QString& entry) const {
        QComboBox* combo = list(id);
        const int target = combo->findText(entry);
        ASSERT_GE(target, 0) << entry.toStdString();
        if (combo->currentIndex() < 0) {
            QTest::keyClick(combo, Qt::Key_Home);
        }
        test::choose(combo, target);
    }

    // File > Save onto path, answering the file dialog.
    void saveAs(const QString& path) {
        dialogs.fileAnswers.push_back(path);
        window->menu()->choose(AppDataId::FileSave);
    }

    QString iniPath() const { return workPath(QStringLiteral("default.ini")); }

    std::unique_ptr<ApplicationDataDialog> window;
    PropertyPage* current = nullptr;
};

} // namespace halvex::test
