#pragma once
#include <QRandomGenerator>
#include <QString>

// One sum of three numbers, a ± b ± c, evaluated left to right: a from 20 to
// 79, b and c from 1 to 8, each sign "+" or "-" with equal chance. Its value
// lies between 4 and 95, so the answer has at most two digits.
struct CalculationProblem
{
    int a = 0, b = 0, c = 0;
    bool firstPlus = true, secondPlus = true;

    // "47 + 3 - 8 = " (ASCII signs, a blank after "=").
    QString text() const;
    int result() const;

    static CalculationProblem generate(QRandomGenerator &random);
    // From low up to high - 1.
    static int generateNumber(int low, int high, QRandomGenerator &random);
    // true: "+", false: "-".
    static bool generateOperator(QRandomGenerator &random);
};
