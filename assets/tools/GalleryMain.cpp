// asset-gallery --resources DIR --out DIR: contact pages of the generated resources.
int main() { return 0; }
