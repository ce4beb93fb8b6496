#include "unlockers/games/sum/CalculationProblem.h"

namespace {
QString sign(bool plus) { return plus ? QStringLiteral("+") : QStringLiteral("-"); }
} // namespace

QString CalculationProblem::text() const
{
    return QStringLiteral("%1 %2 %3 %4 %5 = ").arg(a).arg(sign(firstPlus)).arg(b).arg(sign(secondPlus)).arg(c);
}

int CalculationProblem::result() const
{
    const int first = firstPlus ? a + b : a - b;
    return secondPlus ? first + c : first - c;
}

CalculationProblem CalculationProblem::generate(QRandomGenerator &random)
{
    CalculationProblem problem;
    problem.a = generateNumber(20, 80, random);
    problem.firstPlus = generateOperator(random);
    problem.b = generateNumber(1, 9, random);
    problem.secondPlus = generateOperator(random);
    problem.c = generateNumber(1, 9, random);
    return problem;
}

int CalculationProblem::generateNumber(int low, int high, QRandomGenerator &random)
{
    return low + int(random.generate() % quint32(high - low));
}

bool CalculationProblem::generateOperator(QRandomGenerator &random) { return random.generate() & 1u; }
