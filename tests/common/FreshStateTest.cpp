#include "FreshStateTest.h"

#include "core/Logger.h"
#include "data/DBCache.h"
#include "views/UtilDialog.h"

void FreshStateTest::reset()
{
    Vexal::Logger::resetForTests();
    Vexal::DBCache::reset();
    Vexal::UtilDialog::setRunner({});
}
