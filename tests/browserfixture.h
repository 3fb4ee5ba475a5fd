#pragma once

class TestHome;

// A home with Chrome (two profiles) and Firefox (one profile) for page tests and rendered
// pictures: caches, 14 WebRTC logs, local storage, cookies and session files. After a scan
// Chrome shows five categories (19 items) and Firefox four (4 items).
class BrowserFixture final
{
public:
    static void populate(const TestHome &home);
};
