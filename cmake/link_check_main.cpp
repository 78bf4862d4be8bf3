// The program of a link check: it does nothing; linking it is the check.
int main() {
  return 0;
}
