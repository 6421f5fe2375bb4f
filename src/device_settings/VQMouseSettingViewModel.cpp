#include "VQMouseSettingViewModel.h"

VQMouseSettingViewModel& VQMouseSettingViewModel::sharedInstance()
{
    static VQMouseSettingViewModel instance;
    return instance;
}
