#pragma once

#include "platform/Office.h"

#include <QStringList>

namespace templates_testing
{

// An office double: every instance it creates is numbered from 1, and every call made on one is
// written to the log as "<number> <member> [argument]", e.g. "2 open /modeles/D12.DOT".
class RecordingOffice : public platform::Office
{
public:
    std::unique_ptr<platform::OfficeApplication> createApplication() override;

    QStringList log;
    int created = 0;
};

} // namespace templates_testing
