#pragma once

// Identifiers shared between the back ends and the pages.
namespace Constants {

// The supported browsers, in the order in which they are listed, scanned and checked.
enum BrowserType : int { Chrome = 0, Edge = 1, Firefox = 2, Opera = 3, Brave = 4, Safari = 5 };

} // namespace Constants
