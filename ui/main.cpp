// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: create the application and its forms, run the message loop.
#include "AppInfo.h"
#include "ErrorReport.h"
#include "ExportOptions.h"
#include "Unit1.h"

#include <QApplication>

#include <exception>
#include <memory>
#include <optional>

int main(int argc, char* argv[]) {
    // The application outlives the guard so that whatever escapes start-up
    // can still be shown in a message box.
    std::optional<QApplication> app;
    std::unique_ptr<TForm1> mainWindow;
    std::unique_ptr<quendrix::TExportOptionForm> exportOptions;
    try {
        // 1. The application object initialises.
        app.emplace(argc, argv);
        quendrix::installFontSubstitutes();

        // 2. The main window gets a task-bar button of its own: it is a
        //    top-level window without an owner window.

        // 3. The main window, the first form and so the application's main
        //    window.
        mainWindow = std::make_unique<TForm1>();
        Form1 = mainWindow.get();

        // 4. The export options dialog, owned by the application; it stays
        //    hidden and no command shows it.
        exportOptions = std::make_unique<quendrix::TExportOptionForm>();
        quendrix::ExportOptionForm = exportOptions.get();

        // 5. The message loop shows the main window (centred on the screen)
        //    and runs until it is closed.
        mainWindow->show();
        QApplication::exec();
    } catch (...) {
        // A quendrix::Exception is shown with its message, anything else as
        // an empty message.
        if (app)
            quendrix::reportException(std::current_exception());
    }
    // 6. The forms go before the application.
    Form1 = nullptr;
    mainWindow.reset();
    quendrix::ExportOptionForm = nullptr;
    exportOptions.reset();
    return 0;
}
