#include <cstdio>

int main()
{
    std::puts("brisko7-sim: not ready");
    return 2;
}
