// The command state: which command mode is running, its step, prompts and picks.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vt {

struct StepPoint {
    double X = 0, Y = 0, Z = 0;
};

struct CommandState {
    int16_t Operation = 255;
    int16_t OpStep = 1;
    int16_t LastOperation = 255;
    int16_t InputMode = 0;
    std::string FunctionTitle;
    std::array<std::string, 5> StepPrompt{};
    std::array<StepPoint, 11> StepPoints{};
    std::array<int16_t, 11> StepElems{};
    bool SketchMode = false;
    bool TypedInput = false;
    // A typed point in full precision; the pick signature carries it only as single precision.
    bool HasTypedXY = false;
    double TypedX = 0, TypedY = 0;
    bool PickPoints = false, PickLines = false, PickArcs = false;
    bool RubberLine = false, RubberBox = false;
    int32_t PluginPickIndex = -1;
    StepPoint PluginPickPoint;

    StepPoint& Step(int i) { return StepPoints[static_cast<std::size_t>(i)]; }
    int16_t& Elem(int i) { return StepElems[static_cast<std::size_t>(i)]; }
};

}  // namespace vt
