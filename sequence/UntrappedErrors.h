#pragma once

#include "sequence/Controls.h"

#include <QString>

#include <exception>

// Runs one event handler: an error it does not trap ends it and is reported in
// a message box; nothing is thrown into Qt's event loop.
template <typename Handler>
void runHandler(MessageBoxes &messages, Handler &&handler) noexcept
{
    QString description;
    try {
        handler();
        return;
    } catch (const std::exception &error) {
        // RuntimeError carries its description as UTF-8; the standard
        // library's own errors are plain ASCII.
        description = QString::fromUtf8(error.what());
    }
    try {
        messages.msgBox(description, MsgBoxStyle::OkOnly, std::nullopt);
    } catch (...) {
        // The report itself failed; there is nothing left to tell the user with.
    }
}
