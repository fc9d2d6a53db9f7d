#pragma once
// The section every start writes for the toolbar as designed: one unnamed menu button.
#include <string>

namespace toolbar::test {

const std::string kDesignedSection = "[AdvToolBarCustomizer1Org]\r\n"
                                     "ATBCaption=\r\n"
                                     "GlyphPosition=0\r\n"
                                     "LargeIcon=0\r\n"
                                     "ToolBarItemCount=1\r\n"
                                     "Name0=\r\n"
                                     "Name0.ClassName=-1\r\n";

} // namespace toolbar::test
