// The "Enter title" step of printing and bitmap export: asks for the title
// printed on the pages or drawn in the chart, preset with a proposal. OK
// gives the text; Cancel gives nothing and the caller abandons its job.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace orvane {

// Asks for a title, preset with `preset`; nothing on Cancel.
using TitlePrompt = std::function<std::optional<QString>(QWidget* parent, const QString& preset)>;

// A plain "Enter title" prompt (object name "EnterTitleDialog"), the default
// where no caller gives its own; the program passes its dialog 140.
std::optional<QString> AskTitleSimple(QWidget* parent, const QString& preset);

}  // namespace orvane
