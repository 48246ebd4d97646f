#include "generator/ConsoleMemo.h"

namespace {
// Fast enough for the eye to follow the lines as they come.
constexpr int kFlushIntervalMs = 40;
}  // namespace

ConsoleMemo::ConsoleMemo(QPlainTextEdit& edit) : memo_(edit)
{
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kFlushIntervalMs);
    QObject::connect(&flushTimer_, &QTimer::timeout, [this] { flush(); });
}

void ConsoleMemo::AppendLine(const std::string& line)
{
    pending_.push_back(line);
    if (!flushTimer_.isActive()) flushTimer_.start();
}

void ConsoleMemo::ClearText()
{
    pending_.clear();
    memo_.ClearText();
}

std::vector<std::string> ConsoleMemo::Lines() const
{
    std::vector<std::string> lines = memo_.Lines();
    lines.insert(lines.end(), pending_.begin(), pending_.end());
    return lines;
}

void ConsoleMemo::SetLines(const std::vector<std::string>& lines)
{
    pending_.clear();
    memo_.SetLines(lines);
}

void ConsoleMemo::flush()
{
    flushTimer_.stop();
    for (const std::string& line : pending_) memo_.AppendLine(line);
    pending_.clear();
}
