#include "FreshStateTest.h"

#include "core/Logger.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "views/UtilDialog.h"

void FreshStateTest::reset()
{
    Vexal::Logger::resetForTests();
    Vexal::DBCache::reset();
    Vexal::UtilDialog::setRunner({});
}

void FreshStateTest::keepNoHistory()
{
    Vexal::DBOptions options;
    options.setSaveHistory(false);
    Vexal::DBCache::setOptions(&options);
}
