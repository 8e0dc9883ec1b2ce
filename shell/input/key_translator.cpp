#include "shell/input/key_translator.h"

void KeyTranslator::build(bool defaultLayout)
{
    vkByScanKey_.fill(0);
    for (const ScanCodeEntry &e : scanCodeTable)
        vkByScanKey_[scanKey(e.scan, e.extended ? kKeyFlagExtended : 0)] = e.vk;

    usageByVk_.fill(0);
    for (const UsageEntry &e : usageTable)
        usageByVk_[e.vk] = e.usage;
    if (!defaultLayout)
        usageByVk_[kVkLayoutDependent] = kUsageLayoutAlternate;
}
