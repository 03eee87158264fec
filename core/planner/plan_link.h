#pragma once

#include <string>
#include <string_view>

namespace vantrell::planner {

// `base` without its fragment, then '#' and the code: the address that opens the plan.
std::string LinkToPlan(std::string_view base, std::string_view code);

// Whether `home` can be published in a link: an http or https address ending in '/'.
bool IsWebHome(std::string_view home);

struct SharedLink {
    std::string link;
    // The link names a file on this computer, so it opens nowhere else.
    bool localOnly = false;
    // What to tell the user about a local-only link; empty otherwise.
    std::string note;
};

// The link a page shares: its own address where a web server delivered it; the
// published home where it was opened from a file and a home is known; else its
// file address, which only this computer can open, with a note that says so.
SharedLink LinkForPage(std::string_view pageAddress, std::string_view home, std::string_view code);

}  // namespace vantrell::planner
