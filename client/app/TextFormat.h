// Fills the "%d" and "%s" marks of a text from "config.conf" in order. The texts are data, never
// handed to printf: a text with more marks than values gets empty fills instead of reading past
// the arguments. "%%" stands for one "%".
#pragma once

#include <string>
#include <vector>

std::string fillText(const std::string& format, const std::vector<std::string>& values);
