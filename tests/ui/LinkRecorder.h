// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stands in for the desktop while a test runs: every address OpenWebPage
// hands on is recorded, and no browser is ever started.

#include "WebLinks.h"

#include <string>
#include <vector>

class QWidget;

namespace quendrix::testing {

struct OpenedPage {
    QWidget* window;
    std::string address;
};

class LinkRecorder {
public:
    LinkRecorder() {
        previous_ = setWebShell([this](QWidget* window, std::string_view address) {
            opened.push_back({window, std::string(address)});
        });
    }
    ~LinkRecorder() { setWebShell(std::move(previous_)); }
    LinkRecorder(const LinkRecorder&) = delete;
    LinkRecorder& operator=(const LinkRecorder&) = delete;

    std::vector<OpenedPage> opened;

private:
    WebShell previous_;
};

} // namespace quendrix::testing
