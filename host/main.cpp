#include <QApplication>
#include <cstdio>

// The host program plays the suite's part. Its windows come with the designer and management
// work; until then it says so plainly.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::puts("zelk: the component's windows are not built yet; nothing to show.");
    return 0;
}
