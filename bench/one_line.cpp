// The floor that `involute calc`'s start-up is measured against
// (bench/calc_startup_bench.sh): a statically linked C++ program that prints
// one line, as long as one result line of the calculator, through iostreams.
#include <iostream>

int main() {
    std::cout << "分度圆直径 d    62.0650079416401\n";
    return 0;
}
