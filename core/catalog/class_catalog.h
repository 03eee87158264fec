#pragma once

#include <span>
#include <string_view>

#include "core/catalog/records.h"

namespace vantrell::catalog {

// The constant catalog of every class, grouped by realm in selector order.
class ClassCatalog {
public:
    static std::span<const ClassDefinition* const> ClassesOf(Realm realm);
    static std::span<const ClassDefinition* const> AllClasses();
    // Nothing for a name the realm does not list.
    static const ClassDefinition* Find(Realm realm, std::string_view listName);
    // Nothing for a name no realm lists; realms are searched in selector order.
    static const ClassDefinition* Find(std::string_view listName);
};

}  // namespace vantrell::catalog
