#pragma once

// The mouse settings page's view model: one shared instance without state or behaviour of its
// own; the page keeps its key models in VQUserInfoData. Nothing uses it.
class VQMouseSettingViewModel {
public:
    static VQMouseSettingViewModel& sharedInstance();

    VQMouseSettingViewModel(const VQMouseSettingViewModel&) = delete;
    VQMouseSettingViewModel& operator=(const VQMouseSettingViewModel&) = delete;

private:
    VQMouseSettingViewModel() = default;
};
