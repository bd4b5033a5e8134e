#include "cli/ApplyReport.h"

#include "cli/Console.h"
#include "cli/Translation.h"
#include "record/TranslatableText.h"

#include <cstdio>
#include <iostream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace marlo::cli {

const char* const readingStep = QT_TRANSLATE_NOOP("marlo-cli", "読み込み中…");
const char* const writingStep = QT_TRANSLATE_NOOP("marlo-cli", "書き込み中…");
const char* const checkingStep = QT_TRANSLATE_NOOP("marlo-cli", "確認中…");

namespace {

// The JSON words of the results, the same in every language.
std::string_view resultName(PortOutcome::Result result) {
    switch (result) {
    case PortOutcome::unchanged:
        return "unchanged";
    case PortOutcome::changed:
        return "changed";
    case PortOutcome::wouldChange:
        return "would change";
    case PortOutcome::refused:
        return "refused";
    case PortOutcome::failed:
        break;
    }
    return "failed";
}

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (code < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace

std::string resultWord(PortOutcome::Result result) {
    switch (result) {
    case PortOutcome::unchanged:
        return std::string(translated("marlo-cli", QT_TRANSLATE_NOOP("marlo-cli", "変更なし")));
    case PortOutcome::changed:
        return std::string(translated("marlo-cli", QT_TRANSLATE_NOOP("marlo-cli", "変更しました")));
    case PortOutcome::wouldChange:
        return std::string(translated("marlo-cli", QT_TRANSLATE_NOOP("marlo-cli", "変更されます (試行)")));
    case PortOutcome::refused:
        return std::string(translated("marlo-cli", QT_TRANSLATE_NOOP("marlo-cli", "設定が拒否されました")));
    case PortOutcome::failed:
        break;
    }
    return std::string(translated("marlo-cli", QT_TRANSLATE_NOOP("marlo-cli", "失敗しました")));
}

std::string reportText(const PortOutcome& outcome) {
    std::string text = escapedUtf8(outcome.port) + ": " + resultWord(outcome.result) + "\n";
    for (const SettingChange& change : outcome.changes) {
        text += "  " + change.name + "\t" + change.label + ": " + change.before + " \xe2\x86\x92 " +
                change.after + "\n";
    }
    for (const auto& [name, message] : outcome.refusals) {
        text += "  " + name + ": " + message + "\n";
    }
    if (!outcome.reason.empty()) {
        std::string reason = outcome.reason;
        while (!reason.empty() && reason.back() == '\n') {
            reason.pop_back();
        }
        text += "  " + reason + "\n";
    }
    if (!outcome.warning.empty()) {
        text += "  " + outcome.warning + "\n";
    }
    return text;
}

std::string jsonLine(const PortOutcome& outcome) {
    std::string line = "{\"port\": " + jsonString(outcome.port) +
                       ", \"device\": " + jsonString(outcome.device) +
                       ", \"result\": " + jsonString(resultName(outcome.result)) + ", \"changes\": [";
    for (std::size_t i = 0; i < outcome.changes.size(); ++i) {
        const SettingChange& change = outcome.changes[i];
        line += std::string(i == 0 ? "" : ", ") + "{\"setting\": " + jsonString(change.name) +
                ", \"label\": " + jsonString(change.label) + ", \"old\": " + jsonString(change.before) +
                ", \"new\": " + jsonString(change.after) + "}";
    }
    line += "], \"refusals\": [";
    for (std::size_t i = 0; i < outcome.refusals.size(); ++i) {
        line += std::string(i == 0 ? "" : ", ") + "{\"setting\": " + jsonString(outcome.refusals[i].first) +
                ", \"message\": " + jsonString(outcome.refusals[i].second) + "}";
    }
    line += std::string("], \"written\": ") + (outcome.written ? "true" : "false") +
            ", \"reason\": " + jsonString(outcome.reason) + ", \"backup\": " + jsonString(outcome.backup) +
            ", \"warning\": " + jsonString(outcome.warning) + "}";
    return line;
}

bool isTerminal(const std::ostream& stream) {
#ifdef _WIN32
    // The progress lines move the cursor with escape sequences, which not every Windows console takes.
    (void)stream;
    return false;
#else
    return &stream == &std::cerr && ::isatty(STDERR_FILENO) != 0;
#endif
}

ProgressBoard::ProgressBoard(std::ostream& terminal, std::size_t lines, bool shown)
    : terminal_(terminal)
    , lines_(lines)
    , shown_(shown) {
    if (shown_) {
        terminal_ << std::string(lines_, '\n') << std::flush;
    }
}

void ProgressBoard::show(std::size_t line, std::string_view port, std::string_view text) {
    if (!shown_) {
        return;
    }
    const std::lock_guard lock(mutex_);
    const std::size_t up = lines_ - line;
    // Up to the port's line, rewrite it, and back down below the last line.
    terminal_ << "\x1b[" << up << "A\r\x1b[2K" << escapedUtf8(port) << ": " << text << "\x1b[" << up << "B\r"
              << std::flush;
}

void ProgressBoard::finish() {
    if (shown_) {
        terminal_ << std::flush;
    }
}

} // namespace marlo::cli
