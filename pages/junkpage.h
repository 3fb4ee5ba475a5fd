#pragma once

#include "pages/basepage.h"

// The junk cleaner's page, bound to the application's junk engine.
class JunkPage final : public BasePage
{
    Q_OBJECT

public:
    explicit JunkPage(QWidget *parent = nullptr);
};
