// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of every widget test binary: offscreen unless told otherwise, on a
// 1920 x 1080 screen at 96 dpi (the main window is laid out for 96 dpi and
// must fit to be centred), with a watchdog against modal widgets that
// nobody closes (UiTestSupport.h).
#include "AppInfo.h"
#include "UiTestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace {

// A private directory for the run: the offscreen screen's description and,
// when the environment has none, the runtime directory Qt asks for.
class RunDirectory {
public:
    RunDirectory() {
        std::error_code ec;
        std::string pattern = (std::filesystem::temp_directory_path(ec) / "quendrix-ui-XXXXXX").string();
        if (ec)
            pattern = "/tmp/quendrix-ui-XXXXXX";
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~RunDirectory() {
        if (!path_.empty()) {
            std::error_code ec;
            std::filesystem::remove_all(path_, ec);
        }
    }
    RunDirectory(const RunDirectory&) = delete;
    RunDirectory& operator=(const RunDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void prepareEnvironment(const RunDirectory& dir) {
    if (dir.path().empty())
        return;
    // mkdtemp() made the directory 0700, as Qt wants its runtime directory.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir.path().string()));
    // Settings, data and caches of the run stay in the run's own directory:
    // a test never touches the user's files, and test processes running side
    // by side never see each other's.
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const std::filesystem::path sub = dir.path() / (std::string(name) + ".d");
        std::error_code ec;
        std::filesystem::create_directory(sub, ec);
        qputenv(name, QByteArray::fromStdString(sub.string()));
    }

    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return; // a platform (or offscreen options) chosen by the caller
    const std::filesystem::path config = dir.path() / "offscreen.json";
    std::ofstream out(config);
    out << R"({"screens": [{"name": "Screen0", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
           R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"
        << '\n';
    out.close();
    if (out)
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QByteArray::fromStdString(config.string()));
    else
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The offscreen platform says on every window that it cannot pass size
// hints on; that is no news to a test.
QtMessageHandler defaultHandler = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    const RunDirectory runDir;
    prepareEnvironment(runDir);
    defaultHandler = qInstallMessageHandler(filterMessages);
    int result = 0;
    {
        QApplication app(argc, argv);
        quendrix::installFontSubstitutes();
        ::testing::InitGoogleTest(&argc, argv);
        quendrix::test::startModalWatchdog();
        result = RUN_ALL_TESTS();
    }
    return result;
}
