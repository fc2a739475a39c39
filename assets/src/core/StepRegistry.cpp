#include "core/StepRegistry.h"

#include <algorithm>
#include <stdexcept>

namespace brindle::assets {

namespace {

std::vector<GeneratorStep>& allSteps()
{
    static std::vector<GeneratorStep> steps;
    return steps;
}

} // namespace

bool StepRegistry::add(GeneratorStep step)
{
    for (const auto& existing : allSteps()) {
        if (existing.name == step.name)
            throw std::logic_error("generator step registered twice: " + step.name);
    }
    allSteps().push_back(std::move(step));
    return true;
}

std::vector<GeneratorStep> StepRegistry::steps()
{
    auto steps = allSteps();
    std::sort(steps.begin(), steps.end(), [](const GeneratorStep& a, const GeneratorStep& b) {
        return a.order != b.order ? a.order < b.order : a.name < b.name;
    });
    return steps;
}

} // namespace brindle::assets
