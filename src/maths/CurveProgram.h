#pragma once

#include <string>
#include <vector>

namespace GiNaC {
class ex;
class symbol;
}  // namespace GiNaC

// A flat program compiled from expression trees: every distinct
// subexpression of all outputs once, in an order where each step reads only
// earlier ones. It runs on blocks of parameters at a time, one step over the
// whole block before the next, so a step costs one dispatch per block rather
// than one per sample. Arithmetic is IEEE double; a formula undefined at a
// parameter yields a NaN or an infinity there.
class CurveProgram {
public:
    static constexpr int Block = 256;

    // False, with the reason, where an expression holds something this program cannot evaluate.
    static bool Compile(const std::vector<GiNaC::ex> &outputs, const GiNaC::symbol &variable, CurveProgram &program,
                        std::string &error);

    int OutputCount() const { return int(outputs.size()); }
    // outputs[k][i] receives output k at parameters[i], for i < count <= Block.
    void Run(const double *parameters, int count, double *const *outputsOut) const;
    // Number of steps, for measurements.
    int StepCount() const { return int(steps.size()); }

    enum class Op : unsigned char {
        Constant,
        Variable,
        Add,
        Multiply,
        Divide,
        Square,
        Cube,
        IntegerPower,
        Sqrt,
        Power,
        Sin,
        Cos,
        Tan,
        Asin,
        Acos,
        Atan,
        Sinh,
        Cosh,
        Tanh,
        Exp,
        Log,
        Abs
    };
    struct Step {
        Op op;
        int target;  // register
        int left;    // register read
        int right;   // second register read, or the integer exponent
        double constant;
    };

private:
    std::vector<Step> steps;
    std::vector<int> outputs;  // registers
    int registers = 0;
};
