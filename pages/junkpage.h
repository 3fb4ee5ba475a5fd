#pragma once

#include "pages/basepage.h"

class JunkCleaner;

// The junk cleaner's page, bound to the junk engine it is given.
class JunkPage final : public BasePage
{
    Q_OBJECT

public:
    JunkPage(JunkCleaner *cleaner, Settings *settings, QWidget *parent = nullptr);
};
