#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>
#include <ostream>

#include "core/catalog/abilities.h"
#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/control_names.h"
#include "desktop/planner_window/class_planner_window.h"
#include "tests/core/property/plan_actions.h"

namespace vantrell::property {
namespace {

// One real input event on the window: a mouse click on a part of a line's
// scroll bar, a key on the level list, a level chosen from the list, or a click
// on a line's abilities text.
struct Gesture {
    enum class Kind { ArrowUp, ArrowDown, TroughUp, TroughDown, LevelKey, LevelChoice, AbilitiesClick };
    Kind kind = Kind::ArrowUp;
    std::size_t line = 0;
    std::string_view stem;
    int key = Qt::Key_Down;
    int level = 50;
};

std::ostream& operator<<(std::ostream& out, const Gesture& gesture) {
    switch (gesture.kind) {
    case Gesture::Kind::ArrowUp: return out << "click " << gesture.stem << " right arrow";
    case Gesture::Kind::ArrowDown: return out << "click " << gesture.stem << " left arrow";
    case Gesture::Kind::TroughUp: return out << "click " << gesture.stem << " trough right of the thumb";
    case Gesture::Kind::TroughDown: return out << "click " << gesture.stem << " trough left of the thumb";
    case Gesture::Kind::LevelKey:
        return out << "key " << QKeySequence(gesture.key).toString().toStdString() << " on cboLevel";
    case Gesture::Kind::LevelChoice: return out << "choose " << gesture.level << " in cboLevel";
    case Gesture::Kind::AbilitiesClick: return out << "click the abilities of " << gesture.stem;
    }
    return out;
}

rc::Gen<Gesture> GestureFor(const catalog::ClassDefinition& definition) {
    using Kind = Gesture::Kind;
    const auto lines = definition.lines;
    const auto kind = rc::gen::weightedElement<Kind>({
        {6, Kind::ArrowUp},
        {2, Kind::ArrowDown},
        {6, Kind::TroughUp},
        {2, Kind::TroughDown},
        {2, Kind::LevelKey},
        {2, Kind::LevelChoice},
        {1, Kind::AbilitiesClick},
    });
    const auto key = rc::gen::element<int>(Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End);
    return rc::gen::apply(
        [lines](Kind kind, std::size_t line, int key, int level) {
            return Gesture{.kind = kind, .line = line, .stem = lines[line].stem, .key = key, .level = level};
        },
        kind, rc::gen::inRange<std::size_t>(0, lines.size()), key, CharacterLevelFor(definition));
}

// Where the style draws a part of the scroll bar; empty when the part has no room
// (the trough beyond a thumb that stands at its end).
QRect PartOf(QScrollBar& bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The window under test and a headless planner fed only with what each
// gesture should mean; after every gesture the widgets must show the twin.
class WindowSession {
public:
    explicit WindowSession(const catalog::ClassDefinition& definition)
        : definition_(definition),
          window_(std::make_unique<planner_window::ClassPlannerWindow>(
              definition, [this](QWidget*, const toolkit::MessageRequest& request) { shown_.push_back(request); })),
          twin_(definition) {
        window_->resize(640, 480);
        window_->show();
    }

    void Perform(const Gesture& gesture) {
        shown_.clear();
        expectedMessage_ = nullptr;
        switch (gesture.kind) {
        case Gesture::Kind::ArrowUp: Click(gesture.line, QStyle::SC_ScrollBarAddLine, +1); break;
        case Gesture::Kind::ArrowDown: Click(gesture.line, QStyle::SC_ScrollBarSubLine, -1); break;
        case Gesture::Kind::TroughUp: Click(gesture.line, QStyle::SC_ScrollBarAddPage, +1); break;
        case Gesture::Kind::TroughDown: Click(gesture.line, QStyle::SC_ScrollBarSubPage, -1); break;
        case Gesture::Kind::LevelKey: PressLevelKey(gesture.key); break;
        case Gesture::Kind::LevelChoice: ChooseLevel(gesture.level); break;
        case Gesture::Kind::AbilitiesClick: ClickAbilities(gesture.line); break;
        }
    }

    // Every widget that differs from the twin, one sentence each.
    std::vector<std::string> Differences() const {
        std::vector<std::string> differences;
        const auto differ = [&](const std::string& what, const QString& shown, const std::string& expected) {
            if (shown.toStdString() != expected) {
                differences.push_back(what + " shows \"" + shown.toStdString() + "\" instead of \"" + expected + '"');
            }
        };
        const planner::PlannerDisplay& display = twin_.display();
        differ("cboLevel", Level().currentText(), std::to_string(twin_.state().characterLevel));
        differ("lblPointsLeft", Label("lblPointsLeft").text(), display.pointsLeft);
        differ("lblTotalPoints", Label("lblTotalPoints").text(), display.totalPoints);
        if (Widget<QFrame>("fraStats").isEnabled() != display.statsFrameEnabled) {
            differences.push_back("fraStats is enabled where the plan says otherwise");
        }
        for (std::size_t line = 0; line < definition_.lines.size(); ++line) {
            const planner_window::LineControlNames names = planner_window::ControlNamesOf(definition_, definition_.lines[line]);
            const planner::LineDisplay& shown = display.lines[line];
            const QScrollBar& bar = Widget<QScrollBar>(names.slider);
            const int maximum = std::max<int>(twin_.state().lines[line].sliderMaximum, planner::kSliderMinimum);
            if (bar.minimum() != planner::kSliderMinimum || bar.maximum() != maximum ||
                bar.value() != shown.sliderValue) {
                differences.push_back(names.slider + " has range " + std::to_string(bar.minimum()) + ".." +
                                      std::to_string(bar.maximum()) + " at " + std::to_string(bar.value()) +
                                      " instead of 1.." + std::to_string(maximum) + " at " +
                                      std::to_string(shown.sliderValue));
            }
            if (bar.isEnabled() != twin_.SliderEnabled(line)) {
                differences.push_back(names.slider + (bar.isEnabled() ? " is enabled" : " is disabled") +
                                      " where the plan says otherwise");
            }
            differ(names.level, Label(names.level).text(), shown.level);
            differ(names.points, Label(names.points).text(), shown.points);
            differ(names.percent, Label(names.percent).text(), shown.percent);
            if (!names.abilities.empty()) differ(names.abilities, Label(names.abilities).text(), shown.abilities);
            if (window_->planner().state().lines[line].level != twin_.state().lines[line].level) {
                differences.push_back("the window's own plan holds " + std::string(definition_.lines[line].stem) +
                                      " at " + std::to_string(window_->planner().state().lines[line].level));
            }
        }
        if (expectedMessage_ == nullptr && !shown_.empty()) {
            differences.push_back("a message \"" + shown_.front().title.toStdString() + "\" appeared uncalled for");
        }
        if (expectedMessage_ != nullptr) {
            const QString text = QString::fromStdString(catalog::ExplanationText(*expectedMessage_));
            if (shown_.size() != 1 || shown_.front().title != Text(expectedMessage_->title) ||
                shown_.front().text != text || shown_.front().icon != toolkit::MessageIcon::None) {
                differences.push_back("the explanation \"" + std::string(expectedMessage_->title) +
                                      "\" was not shown exactly once, as it reads, without an icon");
            }
        }
        return differences;
    }

private:
    template <typename Type>
    Type& Widget(const std::string& name) const {
        auto* widget = window_->findChild<Type*>(QString::fromStdString(name));
        if (widget == nullptr) throw std::logic_error("the window has no " + name);
        return *widget;
    }
    QLabel& Label(const std::string& name) const { return Widget<QLabel>(name); }
    QComboBox& Level() const { return Widget<QComboBox>("cboLevel"); }

    void Click(std::size_t line, QStyle::SubControl part, int step) {
        QScrollBar& bar = Widget<QScrollBar>(planner_window::ControlNamesOf(definition_, definition_.lines[line]).slider);
        const QRect area = PartOf(bar, part);
        if (area.isEmpty()) return;
        const int from = bar.value();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, area.center());
        // A disabled scroll bar takes no clicks, and the twin's disabled slider ignores moves.
        twin_.MoveSlider(line, from + step);
    }

    void PressLevelKey(int key) {
        QComboBox& box = Level();
        const int from = box.currentIndex();
        int to = from;
        switch (key) {
        case Qt::Key_Up: to = std::max(from - 1, 0); break;
        case Qt::Key_Down: to = std::min(from + 1, box.count() - 1); break;
        case Qt::Key_Home: to = 0; break;
        case Qt::Key_End: to = box.count() - 1; break;
        default: break;
        }
        QTest::keyClick(&box, static_cast<Qt::Key>(key));
        // The list reports a choice only when the entry changes.
        if (to != from) twin_.ApplyLevelChange(static_cast<std::int16_t>(box.itemText(to).toInt()));
    }

    void ChooseLevel(int level) {
        QComboBox& box = Level();
        const int index = box.findText(QString::number(level));
        if (index < 0) throw std::logic_error("cboLevel does not list " + std::to_string(level));
        // What choosing an entry in the open list does: the entry becomes current and the choice is reported.
        box.setCurrentIndex(index);
        emit box.activated(index);
        twin_.ApplyLevelChange(static_cast<std::int16_t>(level));
    }

    void ClickAbilities(std::size_t line) {
        const planner_window::LineControlNames names = planner_window::ControlNamesOf(definition_, definition_.lines[line]);
        if (names.abilities.empty()) return;
        QTest::mouseClick(&Label(names.abilities), Qt::LeftButton);
        expectedMessage_ = twin_.ExplanationFor(line);
    }

    const catalog::ClassDefinition& definition_;
    std::vector<toolkit::MessageRequest> shown_;
    std::unique_ptr<planner_window::ClassPlannerWindow> window_;
    planner::Planner twin_;
    const catalog::DescriptionMessage* expectedMessage_ = nullptr;
};

class WindowProperties : public ::testing::TestWithParam<std::string_view> {};

TEST_P(WindowProperties, EveryWidgetShowsTheHeadlessPlanAfterEveryGesture) {
    const catalog::ClassDefinition& definition = *catalog::ClassCatalog::Find(GetParam());
    rc::detail::checkGTest([&definition] {
        const auto gestures = *rc::gen::container<std::vector<Gesture>>(GestureFor(definition));
        WindowSession session(definition);
        std::vector<std::string> differences = session.Differences();
        std::string done = "opening";
        for (const Gesture& gesture : gestures) {
            if (!differences.empty()) break;
            session.Perform(gesture);
            differences = session.Differences();
            done = rc::toString(gesture);
        }
        if (!differences.empty()) {
            std::string report = "after " + done + ":\n";
            for (const std::string& difference : differences) report += "  - " + difference + '\n';
            RC_FAIL(report);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(EveryClass, WindowProperties, ::testing::ValuesIn(EveryClassName()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace vantrell::property
