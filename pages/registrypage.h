#pragma once

#include <QWidget>

// The registry cleaner's page. The registry exists only on Windows, so on this platform the
// page says so and offers nothing to do.
class RegistryPage final : public QWidget
{
    Q_OBJECT

public:
    explicit RegistryPage(QWidget *parent = nullptr);
};
