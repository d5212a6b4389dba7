// SPDX-License-Identifier: MIT
#include "form/formtexts.h"

namespace FormTexts {

std::string caption(std::string_view siteAddress)
{
    std::string text(siteAddress);
    if (!text.empty())
        text += ' ';
    text += programName;
    return text;
}

namespace CommandLine {

std::string seeHelp(std::string_view command)
{
    std::string text = "Вижте „";
    text += command;
    text += " --help“.";
    return text;
}

std::string noArguments(std::string_view arguments)
{
    std::string text = "Програмата не приема аргументи: ";
    text += arguments;
    return text;
}

} // namespace CommandLine

} // namespace FormTexts
