/* consumer.c - a host built through find_package(kelgui): sets and reads the
 * message title. Exit code 0 when the library answered. */
#include <kelgui.h>
#include <stdio.h>

int main(void) {
    char title[16] = "";
    KEL_GUI_message_title_set("consumer");
    KEL_GUI_message_title_get(title, sizeof title);
    printf("consumer: message title \"%s\"\n", title);
    return title[0] == 'c' ? 0 : 1;
}
