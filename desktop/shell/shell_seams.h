#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "desktop/toolkit/message_sink.h"

namespace vantrell::shell {

// Asks the user for a line of text, proposing one; nothing when cancelled.
using TextAsker = std::function<std::optional<QString>(QWidget* parent, const QString& title, const QString& label,
                                                       const QString& proposal)>;
// A plan about to be saved: its name and the user's note on it.
struct PlanDraft {
    QString name;
    QString note;
};
// Asks for a plan's name and note, proposing both; nothing when cancelled.
using PlanAsker = std::function<std::optional<PlanDraft>(QWidget* parent, const QString& title, const PlanDraft& proposal)>;
// Asks for a text of several lines, proposing one; nothing when cancelled.
using NoteAsker = std::function<std::optional<QString>(QWidget* parent, const QString& title, const QString& label,
                                                       const QString& proposal)>;
// Asks a yes-or-no question; true for yes.
using Confirmer = std::function<bool(QWidget* parent, const QString& title, const QString& question)>;
// Asks for a file to read, or to write when `forWriting`; empty when cancelled.
using FileChooser = std::function<QString(QWidget* parent, const QString& title, bool forWriting)>;

// Everything the shell hands to the desktop goes through these, so tests can capture it.
struct ShellSeams {
    toolkit::MessageSink messages;
    std::function<void(const QString& link)> openLink;
    TextAsker askText = {};
    PlanAsker askPlan = {};
    NoteAsker askNote = {};
    Confirmer confirm = {};
    FileChooser chooseFile = {};
    // Where the saved plans are kept; the program's data folder when empty.
    QString plansFolder = {};
};

// Modal message boxes and dialogs, and links handed to the desktop's default handler.
ShellSeams DesktopSeams();

}  // namespace vantrell::shell
