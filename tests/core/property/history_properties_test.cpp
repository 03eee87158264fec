#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <string>
#include <vector>

#include "core/catalog/class_catalog.h"
#include "core/planner/planner_view.h"
#include "core/planner/session.h"
#include "tests/core/property/plan_actions.h"

namespace vantrell::property {
namespace {

using planner::PlannerView;

bool SameView(const PlannerView& one, const PlannerView& other) {
    if (one.characterLevel != other.characterLevel || one.totalPoints != other.totalPoints ||
        one.pointsLeft != other.pointsLeft || one.statsEnabled != other.statsEnabled ||
        one.lines.size() != other.lines.size()) {
        return false;
    }
    for (std::size_t line = 0; line < one.lines.size(); ++line) {
        const planner::LineView& a = one.lines[line];
        const planner::LineView& b = other.lines[line];
        if (a.sliderValue != b.sliderValue || a.sliderMaximum != b.sliderMaximum ||
            a.sliderEnabled != b.sliderEnabled || a.lineOpen != b.lineOpen || a.level != b.level ||
            a.points != b.points || a.percent != b.percent || a.abilities != b.abilities || a.tooltip != b.tooltip) {
            return false;
        }
    }
    return true;
}

struct Gesture {
    enum class Kind { PickLevel, Slide, Undo, Redo };
    Kind kind = Kind::PickLevel;
    std::size_t line = 0;
    int value = 0;
};

rc::Gen<Gesture> GestureFor(const catalog::ClassDefinition& definition) {
    using Kind = Gesture::Kind;
    const auto lines = static_cast<int>(definition.lines.size());
    return rc::gen::oneOf(
        rc::gen::map(CharacterLevelFor(definition),
                     [](int level) {
                         return Gesture{Kind::PickLevel, 0, level};
                     }),
        rc::gen::map(rc::gen::pair(rc::gen::inRange(0, lines), rc::gen::inRange(0, 52)),
                     [](const auto& move) {
                         return Gesture{Kind::Slide, static_cast<std::size_t>(move.first), move.second};
                     }),
        rc::gen::just(Gesture{Kind::Undo, 0, 0}), rc::gen::just(Gesture{Kind::Redo, 0, 0}));
}

class HistoryProperties : public ::testing::TestWithParam<std::string_view> {};

// Random gestures with undo and redo mixed in: every undo and redo shows
// exactly what was shown before, undoing every step gives back the plan the
// class opened with, and redoing every step the last plan.
TEST_P(HistoryProperties, UndoAndRedoShowExactlyWhatWasShown) {
    const catalog::ClassDefinition& definition = *catalog::ClassCatalog::Find(GetParam());
    rc::detail::checkGTest([&definition] {
        planner::Session session;
        planner::Planner& planner = session.Open(definition);
        const PlannerView opened = planner::ViewOf(planner);
        std::vector<PlannerView> undone{};
        std::vector<PlannerView> redone{};
        for (const Gesture& gesture : *rc::gen::container<std::vector<Gesture>>(GestureFor(definition))) {
            const PlannerView before = planner::ViewOf(planner);
            switch (gesture.kind) {
            case Gesture::Kind::PickLevel: session.PickLevel(planner, static_cast<std::int16_t>(gesture.value)); break;
            case Gesture::Kind::Slide: session.MoveSlider(planner, gesture.line, gesture.value); break;
            case Gesture::Kind::Undo:
                RC_ASSERT(session.Undo(planner) == !undone.empty());
                if (!undone.empty()) {
                    RC_ASSERT(SameView(planner::ViewOf(planner), undone.back()));
                    undone.pop_back();
                    redone.push_back(before);
                }
                continue;
            case Gesture::Kind::Redo:
                RC_ASSERT(session.Redo(planner) == !redone.empty());
                if (!redone.empty()) {
                    RC_ASSERT(SameView(planner::ViewOf(planner), redone.back()));
                    redone.pop_back();
                    undone.push_back(before);
                }
                continue;
            }
            const PlannerView after = planner::ViewOf(planner);
            bool changed = after.characterLevel != before.characterLevel;
            for (std::size_t line = 0; line < after.lines.size(); ++line) {
                changed = changed || after.lines[line].level != before.lines[line].level;
            }
            if (changed) {
                undone.push_back(before);
                redone.clear();
            }
            RC_ASSERT(session.HistoryOf(planner).undoCount() == undone.size());
            RC_ASSERT(session.HistoryOf(planner).redoCount() == redone.size());
        }
        const PlannerView last = planner::ViewOf(planner);
        const std::size_t steps = undone.size();
        while (session.Undo(planner)) {
        }
        RC_ASSERT(SameView(planner::ViewOf(planner), opened));
        for (std::size_t step = 0; step < steps; ++step) RC_ASSERT(session.Redo(planner));
        RC_ASSERT(SameView(planner::ViewOf(planner), last));
    });
}

INSTANTIATE_TEST_SUITE_P(EveryClass, HistoryProperties, ::testing::ValuesIn(EveryClassName()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace vantrell::property
