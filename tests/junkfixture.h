#pragma once

class TestHome;

// A small home with junk in the usual places, for page tests and rendered pictures: 25 files in
// one application cache (enough for "Load more"), a log, a crash report, a file in the Trash,
// an installer in Downloads and a file in the temporary folder. 28 of the 30 files are
// selected after a scan (the Trash and Downloads rules start unselected).
class JunkFixture final
{
public:
    static void populate(const TestHome &home);
};
