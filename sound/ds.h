/* The game's sound library, "Vexaルミナーク将棋.so": SDL2 audio behind the calls the game makes.
 *
 * Every argument and result is a 32-bit integer except the address of a WAV file's bytes and
 * the name of a resource. A handle of 0 means "none"; every call accepts 0 and handles it does
 * not know (freed, never made) and then does nothing and returns 0.
 *
 * Units: volume in hundredths of a decibel, DS_VOLUME_SILENT to DS_VOLUME_FULL; pan in
 * hundredths of a decibel taken off the other side, DS_PAN_LEFT (right side silent) to
 * DS_PAN_RIGHT (left side silent), 0 centred; frequency in samples a second, DS_FREQUENCY_MIN to
 * DS_FREQUENCY_MAX, or DS_FREQUENCY_ORIGINAL for the sound's own rate. Values outside are
 * clamped. */
#ifndef LUMINAK_SOUND_DS_H
#define LUMINAK_SOUND_DS_H

#include <stdint.h>

#define DS_EXPORT __attribute__((visibility("default")))

#define DS_VOLUME_SILENT (-10000)
#define DS_VOLUME_FULL 0
#define DS_PAN_LEFT (-10000)
#define DS_PAN_CENTRE 0
#define DS_PAN_RIGHT 10000
#define DS_FREQUENCY_ORIGINAL 0
#define DS_FREQUENCY_MIN 100
#define DS_FREQUENCY_MAX 100000

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the audio output; the window handle is not needed for it. Device handle, 0 when no
 * audio device opens. */
DS_EXPORT int32_t dsInitialize(int32_t window);
/* Closes the device and frees every buffer made on it. 1 when done. */
DS_EXPORT int32_t dsTerminate(int32_t device);

/* A sound buffer made from the bytes of a WAV file (any format SDL reads), of which up to
 * `count` copies may sound at once. Buffer handle, 0 when the bytes are not a WAV file. */
DS_EXPORT int32_t dsCreateDSB(int32_t device, const void* wav, int32_t length, int32_t count);
/* The same from a WAV file shipped with the library: a relative name is looked up in the
 * library's own folder. */
DS_EXPORT int32_t dsCreateResDSB(int32_t device, const char* resource, int32_t count);
/* Stops and releases the buffer. 1 when done. */
DS_EXPORT int32_t dsFree(int32_t buffer);

/* Plays the sound once from the start on a free copy, or restarts the copy started longest
 * ago when all are sounding. The copy's number (1 to count), 0 when nothing plays. */
DS_EXPORT int32_t dsPlay(int32_t buffer);
DS_EXPORT int32_t dsPlayPan(int32_t buffer, int32_t pan);
DS_EXPORT int32_t dsPlayEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency);
/* The same, repeating without a gap until stopped. */
DS_EXPORT int32_t dsPlayLooping(int32_t buffer);
DS_EXPORT int32_t dsPlayLoopingEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency);
/* Stops every copy of the buffer. 1 when done. */
DS_EXPORT int32_t dsStop(int32_t buffer);

/* Change the buffer's volume, pan or frequency, for the copies sounding and those to come.
 * 1 when done. */
DS_EXPORT int32_t dsSetVolume(int32_t buffer, int32_t volume);
DS_EXPORT int32_t dsSetPan(int32_t buffer, int32_t pan);
DS_EXPORT int32_t dsSetFrequency(int32_t buffer, int32_t frequency);

#ifdef __cplusplus
}
#endif

#endif
