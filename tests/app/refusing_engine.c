/* A stand-in engine library that refuses every interface code, as an engine of another
   version would. */
int _IVORNEL(int interface_code) {
    (void)interface_code;
    return 1;
}
