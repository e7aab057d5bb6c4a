#include "maths/CurveProgram.h"

#include <algorithm>
#include <cmath>
#include <ginac/ginac.h>
#include <map>
#include <sstream>
#include <utility>

namespace {

using GiNaC::ex;
using Op = CurveProgram::Op;

// A value of the program before registers are given out: one per distinct
// subexpression.
struct Value {
    Op op;
    int left = -1;
    int right = -1;  // second operand, or the integer exponent
    double constant = 0;
};

// Integer exponents up to this size become repeated multiplication.
constexpr double LargestIntegerPower = 1024;

struct FunctionOp {
    const char *name;
    Op op;
};
constexpr FunctionOp Functions[] = {{"sin", Op::Sin},   {"cos", Op::Cos},   {"tan", Op::Tan},   {"asin", Op::Asin},
                                    {"acos", Op::Acos}, {"atan", Op::Atan}, {"sinh", Op::Sinh}, {"cosh", Op::Cosh},
                                    {"tanh", Op::Tanh}, {"exp", Op::Exp},   {"log", Op::Log},   {"abs", Op::Abs}};

class Compiler {
public:
    explicit Compiler(const GiNaC::symbol &symbol) : variable(symbol) {}

    std::vector<Value> values;
    std::string error;

    // The value of e; -1 with `error` set where it cannot be evaluated.
    int ValueOf(const ex &e)
    {
        const auto known = memo.find(e);
        if (known != memo.end())
            return known->second;
        const int value = Build(e);
        if (value >= 0)
            memo.emplace(e, value);
        return value;
    }

private:
    const GiNaC::symbol &variable;
    std::map<ex, int, GiNaC::ex_is_less> memo;
    std::map<ex, std::string, GiNaC::ex_is_less> texts;

    // A text of e that is the same in every run: GiNaC keeps the operands of
    // a sum or product in an order that follows hash values seeded with
    // addresses, which change from run to run; here they are sorted.
    const std::string &OrderFreeText(const ex &e)
    {
        const auto known = texts.find(e);
        if (known != texts.end())
            return known->second;
        std::ostringstream text;
        if (e.nops() == 0) {
            text << e;  // a number, symbol or constant
        } else {
            std::vector<std::string> operands;
            for (size_t i = 0; i < e.nops(); ++i)
                operands.push_back(OrderFreeText(e.op(i)));
            if (GiNaC::is_a<GiNaC::add>(e) || GiNaC::is_a<GiNaC::mul>(e))
                std::sort(operands.begin(), operands.end());
            if (GiNaC::is_a<GiNaC::function>(e))
                text << GiNaC::ex_to<GiNaC::function>(e).get_name();
            else
                text << GiNaC::ex_to<GiNaC::basic>(e).class_name();
            text << '(';
            for (const std::string &operand : operands)
                text << operand << ',';
            text << ')';
        }
        return texts.emplace(e, text.str()).first->second;
    }

    // The operands of a sum or product in the order of their texts.
    std::vector<ex> OperandsInOrder(const ex &e)
    {
        std::vector<std::pair<std::string, ex>> keyed;
        for (size_t i = 0; i < e.nops(); ++i)
            keyed.emplace_back(OrderFreeText(e.op(i)), e.op(i));
        std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        std::vector<ex> operands;
        for (const auto &entry : keyed)
            operands.push_back(entry.second);
        return operands;
    }
    std::map<double, int> constants;

    int Add(Value value)
    {
        values.push_back(value);
        return int(values.size()) - 1;
    }

    int Constant(double c)
    {
        if (std::isnan(c))  // NaN is no key of a map
            return Add({Op::Constant, -1, -1, c});
        const auto known = constants.find(c);
        if (known != constants.end())
            return known->second;
        const int value = Add({Op::Constant, -1, -1, c});
        constants.emplace(c, value);
        return value;
    }

    static double ToDouble(const GiNaC::numeric &n)
    {
        if (!n.is_real())
            return NAN;  // a constant with no real value: undefined everywhere
        try {
            return n.to_double();
        } catch (const std::exception &) {
            return NAN;
        }
    }

    // Operands in an order of the formula's own, so that the sum's rounding,
    // and with it the picture, is the same in every run.
    int Fold(const ex &e, Op op)
    {
        int value = -1;
        for (const ex &term : OperandsInOrder(e)) {
            const int operand = ValueOf(term);
            if (operand < 0)
                return -1;
            value = value < 0 ? operand : Add({op, value, operand, 0});
        }
        return value;
    }

    int Power(const ex &base, const ex &exponent)
    {
        const int b = ValueOf(base);
        if (b < 0)
            return -1;
        if (GiNaC::is_a<GiNaC::numeric>(exponent)) {
            const double n = ToDouble(GiNaC::ex_to<GiNaC::numeric>(exponent));
            if (n == 1)
                return b;
            if (n == 2)
                return Add({Op::Square, b});
            if (n == 3)
                return Add({Op::Cube, b});
            if (n == 0.5)
                return Add({Op::Sqrt, b});
            if (n == -0.5)
                return Add({Op::Divide, Constant(1), Add({Op::Sqrt, b})});
            if (n == std::floor(n) && std::fabs(n) <= LargestIntegerPower)
                return Add({Op::IntegerPower, b, int(n)});
        }
        const int e = ValueOf(exponent);
        return e < 0 ? -1 : Add({Op::Power, b, e});
    }

    int Function(const GiNaC::function &f)
    {
        const std::string name = f.get_name();
        for (const FunctionOp &known : Functions) {
            if (name == known.name) {
                const int argument = ValueOf(f.op(0));
                return argument < 0 ? -1 : Add({known.op, argument});
            }
        }
        error = "cannot evaluate '" + name + "'";
        return -1;
    }

    int Build(const ex &e)
    {
        if (GiNaC::is_a<GiNaC::numeric>(e))
            return Constant(ToDouble(GiNaC::ex_to<GiNaC::numeric>(e)));
        if (GiNaC::is_a<GiNaC::constant>(e))
            return Constant(ToDouble(GiNaC::ex_to<GiNaC::numeric>(e.evalf())));
        if (GiNaC::is_a<GiNaC::symbol>(e)) {
            if (e.is_equal(variable))
                return Add({Op::Variable});
            error = "unknown name";
            return -1;
        }
        if (GiNaC::is_a<GiNaC::add>(e))
            return Fold(e, Op::Add);
        if (GiNaC::is_a<GiNaC::mul>(e))
            return Fold(e, Op::Multiply);
        if (GiNaC::is_a<GiNaC::power>(e))
            return Power(e.op(0), e.op(1));
        if (GiNaC::is_a<GiNaC::function>(e))
            return Function(GiNaC::ex_to<GiNaC::function>(e));
        error = "cannot evaluate the formula";
        return -1;
    }
};

bool HasTwoOperands(Op op)
{
    return op == Op::Add || op == Op::Multiply || op == Op::Divide || op == Op::Power;
}

// For every value the index of the last value that reads it; outputs are
// read after the last value, and a value nobody reads has -1.
std::vector<int> LastUses(const std::vector<Value> &values, const std::vector<int> &outputs)
{
    std::vector<int> lastUse(values.size(), -1);
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i].left >= 0)
            lastUse[size_t(values[i].left)] = int(i);
        if (HasTwoOperands(values[i].op))
            lastUse[size_t(values[i].right)] = int(i);
    }
    for (int value : outputs)
        lastUse[size_t(value)] = int(values.size());
    return lastUse;
}

struct Allocation {
    std::vector<CurveProgram::Step> steps;
    std::vector<int> outputs;  // registers
    int registers = 0;
};

// Registers for the values: a value's register is free again after its last
// reader, so a long formula needs few blocks of scratch memory.
Allocation Allocate(const std::vector<Value> &values, const std::vector<int> &outputValues)
{
    const std::vector<int> lastUse = LastUses(values, outputValues);
    std::vector<int> registerOf(values.size(), -1);
    std::vector<int> free;
    Allocation allocation;
    for (size_t i = 0; i < values.size(); ++i) {
        const Value &v = values[i];
        const bool two = HasTwoOperands(v.op);
        CurveProgram::Step step{v.op, -1, v.left >= 0 ? registerOf[size_t(v.left)] : -1,
                                two ? registerOf[size_t(v.right)] : v.right, v.constant};
        // Operands read for the last time give their registers back first:
        // every step reads sample i before it writes sample i.
        for (int operand : {v.left, two ? v.right : -1}) {
            if (operand >= 0 && lastUse[size_t(operand)] == int(i) && registerOf[size_t(operand)] >= 0) {
                free.push_back(registerOf[size_t(operand)]);
                registerOf[size_t(operand)] = -1;
            }
        }
        if (free.empty()) {
            step.target = allocation.registers++;
        } else {
            step.target = free.back();
            free.pop_back();
        }
        registerOf[i] = step.target;
        if (lastUse[i] < 0) {  // never read: give it back at once
            free.push_back(step.target);
            registerOf[i] = -1;
        }
        allocation.steps.push_back(step);
    }
    for (int value : outputValues)
        allocation.outputs.push_back(registerOf[size_t(value)]);
    return allocation;
}

double IntegerPower(double x, int n)
{
    const bool invert = n < 0;
    unsigned k = unsigned(invert ? -n : n);
    double result = 1;
    double square = x;
    while (k) {
        if (k & 1u)
            result *= square;
        square *= square;
        k >>= 1;
    }
    return invert ? 1 / result : result;
}

template <class F>
void Apply(double *out, const double *a, int count, F f)
{
    for (int i = 0; i < count; ++i)
        out[i] = f(a[i]);
}

template <class F>
void Apply(double *out, const double *a, const double *b, int count, F f)
{
    for (int i = 0; i < count; ++i)
        out[i] = f(a[i], b[i]);
}

}  // namespace

bool CurveProgram::Compile(const std::vector<GiNaC::ex> &outputExpressions, const GiNaC::symbol &variable,
                           CurveProgram &program, std::string &error)
{
    Compiler compiler(variable);
    std::vector<int> outputValues;
    try {
        for (const ex &e : outputExpressions) {
            const int value = compiler.ValueOf(e);
            if (value < 0) {
                error = compiler.error;
                return false;
            }
            outputValues.push_back(value);
        }
    } catch (const std::exception &) {
        error = "cannot evaluate the formula";
        return false;
    }
    Allocation allocation = Allocate(compiler.values, outputValues);
    program.steps = std::move(allocation.steps);
    program.outputs = std::move(allocation.outputs);
    program.registers = allocation.registers;
    return true;
}

void CurveProgram::Run(const double *parameters, int count, double *const *outputsOut) const
{
    // Scratch kept per thread: no allocation (and no clearing) per block.
    thread_local std::vector<double> memory;
    if (memory.size() < size_t(registers) * size_t(count))
        memory.resize(size_t(registers) * size_t(count));
    auto reg = [&](int r) { return memory.data() + size_t(r) * size_t(count); };
    for (const Step &s : steps) {
        double *out = reg(s.target);
        const double *a = s.left >= 0 ? reg(s.left) : nullptr;
        switch (s.op) {
        case Op::Constant:
            std::fill(out, out + count, s.constant);
            break;
        case Op::Variable:
            std::copy(parameters, parameters + count, out);
            break;
        case Op::Add:
            Apply(out, a, reg(s.right), count, [](double x, double y) { return x + y; });
            break;
        case Op::Multiply:
            Apply(out, a, reg(s.right), count, [](double x, double y) { return x * y; });
            break;
        case Op::Divide:
            Apply(out, a, reg(s.right), count, [](double x, double y) { return x / y; });
            break;
        case Op::Power:
            Apply(out, a, reg(s.right), count, [](double x, double y) { return std::pow(x, y); });
            break;
        case Op::Square:
            Apply(out, a, count, [](double x) { return x * x; });
            break;
        case Op::Cube:
            Apply(out, a, count, [](double x) { return x * x * x; });
            break;
        case Op::IntegerPower: {
            const int n = s.right;
            Apply(out, a, count, [n](double x) { return IntegerPower(x, n); });
            break;
        }
        case Op::Sqrt:
            Apply(out, a, count, [](double x) { return std::sqrt(x); });
            break;
        case Op::Sin:
            Apply(out, a, count, [](double x) { return std::sin(x); });
            break;
        case Op::Cos:
            Apply(out, a, count, [](double x) { return std::cos(x); });
            break;
        case Op::Tan:
            Apply(out, a, count, [](double x) { return std::tan(x); });
            break;
        case Op::Asin:
            Apply(out, a, count, [](double x) { return std::asin(x); });
            break;
        case Op::Acos:
            Apply(out, a, count, [](double x) { return std::acos(x); });
            break;
        case Op::Atan:
            Apply(out, a, count, [](double x) { return std::atan(x); });
            break;
        case Op::Sinh:
            Apply(out, a, count, [](double x) { return std::sinh(x); });
            break;
        case Op::Cosh:
            Apply(out, a, count, [](double x) { return std::cosh(x); });
            break;
        case Op::Tanh:
            Apply(out, a, count, [](double x) { return std::tanh(x); });
            break;
        case Op::Exp:
            Apply(out, a, count, [](double x) { return std::exp(x); });
            break;
        case Op::Log:
            Apply(out, a, count, [](double x) { return std::log(x); });
            break;
        case Op::Abs:
            Apply(out, a, count, [](double x) { return std::fabs(x); });
            break;
        }
    }
    for (size_t k = 0; k < outputs.size(); ++k) {
        const double *value = reg(outputs[k]);
        std::copy(value, value + count, outputsOut[k]);
    }
}
