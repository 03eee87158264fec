// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kEldritchLines[] = {
    {.stem = "Sun", .caption = "Sun", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Moon", .caption = "Moon", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Eclipse", .caption = "Eclipse", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

constexpr SpecLineDefinition kMentalistLines[] = {
    {.stem = "Illusions", .caption = "Illusions", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Holism", .caption = "Holism", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Mind", .caption = "Mind", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kEldritch{.listName = "Eldritch", .realm = Realm::Hibernia, .windowName = "frmEldritch", .titleCaption = "Eldritch", .pointsRule = {1.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "1.0", .lines = kEldritchLines};
constinit const ClassDefinition kMentalist{.listName = "Mentalist", .realm = Realm::Hibernia, .windowName = "frmMentalist", .titleCaption = "Mentalist", .pointsRule = {1.0}, .pointsPerLevelCaption = "Points Per Level:", .pointsPerLevelText = "1.0", .lines = kMentalistLines};

}  // namespace vantrell::catalog::classes
