#pragma once

class TestHome;

// Four groups of duplicates spread over the user's Pictures, Downloads, Desktop, Documents,
// Music and Movies folders (nine files from 182 KB to 48 MB, long names, one modified per
// month from January 2025), for page tests and rendered pictures. Needs the home's standard
// folders in place (a TestHome).
class DuplicateFixture final
{
public:
    static void populate(const TestHome &home);
};
