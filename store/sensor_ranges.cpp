#include "store/sensor_ranges.h"

#include "store/device_settings.h"
#include "store/product_definition.h"

int dpiStagesOffered()
{
    const int count = productDpiStageCount();
    return count < 1 || count > kDpiStageCount ? kDpiStageCount : count;
}
