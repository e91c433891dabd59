// Encoding and muxing with libavcodec and libavformat. The held demo frame
// is converted once and handed to the video encoder by reference for every
// video frame that shows it.
#include "encoder.h"

#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include "mixdriver.h"
#include "upscale.h"

namespace
{

std::string averror(int err)
{
    char buf[AV_ERROR_MAX_STRING_SIZE];
    av_strerror(err, buf, sizeof buf);
    return buf;
}

struct Stream {
    AVStream* st = nullptr;
    AVCodecContext* ctx = nullptr;
    int64_t next = 0; // pts of the next frame, in the codec's time base
};

} // namespace

struct Encoder::Impl {
    EncoderSettings set;
    AVFormatContext* oc = nullptr;
    Stream v, a;
    AVPacket* pkt = nullptr;
    AVFrame* picture = nullptr;  // the held frame, in the video codec's format
    std::vector<uint8_t> bgr0;   // the upscaled screen, before conversion to YUV
    SwsContext* sws = nullptr;   // bgr0 to yuv420p (MP4 only)
    SwrContext* swr = nullptr;   // s16 to the audio codec's sample format
    AVAudioFifo* fifo = nullptr; // samples waiting for a whole audio frame
    uint8_t** conv = nullptr;    // swr's output, `convcap` sample frames
    int convcap = 0;

    ~Impl()
    {
        avcodec_free_context(&v.ctx);
        avcodec_free_context(&a.ctx);
        av_packet_free(&pkt);
        av_frame_free(&picture);
        sws_freeContext(sws);
        swr_free(&swr);
        if (fifo)
            av_audio_fifo_free(fifo);
        if (conv)
            av_freep(&conv[0]);
        av_freep(&conv);
        if (oc && oc->pb)
            avio_closep(&oc->pb);
        avformat_free_context(oc);
    }

    std::string addvideo();
    std::string addaudio();
    std::string drain(Stream& s);
    std::string send(Stream& s, AVFrame* frame);
    std::string sendaudio(int frames);
};

namespace
{

AVCodecContext* context(const AVCodec* codec, AVFormatContext* oc)
{
    AVCodecContext* ctx = avcodec_alloc_context3(codec);
    if (ctx && (oc->oformat->flags & AVFMT_GLOBALHEADER))
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    return ctx;
}

} // namespace

std::string Encoder::Impl::addvideo()
{
    const AVCodec* codec = set.lossless ? avcodec_find_encoder(AV_CODEC_ID_FFV1)
                                        : avcodec_find_encoder_by_name("libx264");
    if (!codec && !set.lossless)
        codec = avcodec_find_encoder(AV_CODEC_ID_H264);
    if (!codec)
        return set.lossless ? "this FFmpeg has no FFV1 encoder"
                            : "this FFmpeg has no H.264 encoder";
    v.st = avformat_new_stream(oc, nullptr);
    v.ctx = context(codec, oc);
    if (!v.st || !v.ctx)
        return "out of memory";
    AVCodecContext* c = v.ctx;
    c->width = SCREEN_W * set.scale;
    c->height = SCREEN_H * set.scale;
    c->time_base = {1, set.fps};
    c->framerate = {set.fps, 1};
    c->gop_size = set.fps * 4;
    if (set.lossless) {
        c->pix_fmt = AV_PIX_FMT_BGR0;
    } else {
        c->pix_fmt = AV_PIX_FMT_YUV420P;
        // swscale's default matrix, and saying so in the stream.
        c->colorspace = AVCOL_SPC_SMPTE170M;
        c->color_primaries = AVCOL_PRI_SMPTE170M;
        c->color_trc = AVCOL_TRC_SMPTE170M;
        c->color_range = AVCOL_RANGE_MPEG;
        av_opt_set(c->priv_data, "preset", "veryfast", 0);
        av_opt_set(c->priv_data, "crf", "16", 0);
        sws = sws_getContext(c->width, c->height, AV_PIX_FMT_BGR0, c->width, c->height,
                             AV_PIX_FMT_YUV420P, SWS_POINT, nullptr, nullptr, nullptr);
        if (!sws)
            return "cannot convert RGB to YUV";
        bgr0.resize(static_cast<size_t>(c->width) * c->height * 4);
    }
    int err = avcodec_open2(c, codec, nullptr);
    if (err < 0)
        return std::string("cannot open the ") + codec->name + " encoder: " + averror(err);
    v.st->time_base = c->time_base;
    v.st->avg_frame_rate = c->framerate;
    avcodec_parameters_from_context(v.st->codecpar, c);
    return "";
}

std::string Encoder::Impl::addaudio()
{
    const AVCodec* codec = avcodec_find_encoder(set.lossless ? AV_CODEC_ID_FLAC : AV_CODEC_ID_AAC);
    if (!codec)
        return set.lossless ? "this FFmpeg has no FLAC encoder" : "this FFmpeg has no AAC encoder";
    a.st = avformat_new_stream(oc, nullptr);
    a.ctx = context(codec, oc);
    if (!a.st || !a.ctx)
        return "out of memory";
    AVCodecContext* c = a.ctx;
    c->sample_rate = mixrate;
    c->time_base = {1, mixrate};
    c->ch_layout = AV_CHANNEL_LAYOUT_STEREO;
    c->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    for (const AVSampleFormat* f = codec->sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; f++)
        if (*f == AV_SAMPLE_FMT_S16)
            c->sample_fmt = *f; // the mix as it is, where the codec takes it
    if (!set.lossless)
        c->bit_rate = 192000;
    int err = avcodec_open2(c, codec, nullptr);
    if (err < 0)
        return std::string("cannot open the ") + codec->name + " encoder: " + averror(err);
    a.st->time_base = c->time_base;
    avcodec_parameters_from_context(a.st->codecpar, c);

    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (swr_alloc_set_opts2(&swr, &c->ch_layout, c->sample_fmt, mixrate, &stereo, AV_SAMPLE_FMT_S16,
                            mixrate, 0, nullptr) < 0 ||
        swr_init(swr) < 0)
        return "cannot convert the mix to the audio encoder's format";
    fifo = av_audio_fifo_alloc(c->sample_fmt, 2, 8192);
    if (!fifo)
        return "out of memory";
    return "";
}

std::string Encoder::open(const std::string& path, const std::string& name,
                          const EncoderSettings& settings)
{
    Impl& m = *impl;
    m.set = settings;
    const char* format = settings.lossless ? "matroska" : "mp4";
    if (avformat_alloc_output_context2(&m.oc, nullptr, format, path.c_str()) < 0)
        return std::string("this FFmpeg cannot write ") + format;
    m.pkt = av_packet_alloc();
    if (!m.pkt)
        return "out of memory";
    std::string err = m.addvideo();
    if (err.empty())
        err = m.addaudio();
    if (!err.empty())
        return err;
    int e = avio_open(&m.oc->pb, path.c_str(), AVIO_FLAG_WRITE);
    if (e < 0)
        return "cannot write " + name + ": " + averror(e);
    AVDictionary* opts = nullptr;
    if (!settings.lossless)
        av_dict_set(&opts, "movflags", "+faststart", 0); // playable while it downloads
    e = avformat_write_header(m.oc, &opts);
    av_dict_free(&opts);
    if (e < 0)
        return "cannot write " + name + ": " + averror(e);
    return "";
}

std::string Encoder::Impl::drain(Stream& s)
{
    for (;;) {
        int e = avcodec_receive_packet(s.ctx, pkt);
        if (e == AVERROR(EAGAIN) || e == AVERROR_EOF)
            return "";
        if (e < 0)
            return std::string("encoding failed: ") + averror(e);
        av_packet_rescale_ts(pkt, s.ctx->time_base, s.st->time_base);
        pkt->stream_index = s.st->index;
        e = av_interleaved_write_frame(oc, pkt);
        if (e < 0)
            return std::string("cannot write the video file: ") + averror(e);
    }
}

// Hands `frame` (or the end of the stream, for nullptr) to the encoder.
std::string Encoder::Impl::send(Stream& s, AVFrame* frame)
{
    int e = avcodec_send_frame(s.ctx, frame);
    if (e < 0)
        return std::string("encoding failed: ") + averror(e);
    return drain(s);
}

std::string Encoder::video(const uint16_t* screen, bool changed)
{
    Impl& m = *impl;
    AVCodecContext* c = m.v.ctx;
    if (changed || !m.picture) {
        // A new frame each time: the encoder may still hold the old one.
        av_frame_free(&m.picture);
        m.picture = av_frame_alloc();
        if (!m.picture)
            return "out of memory";
        m.picture->format = c->pix_fmt;
        m.picture->width = c->width;
        m.picture->height = c->height;
        if (av_frame_get_buffer(m.picture, 0) < 0)
            return "out of memory";
        if (m.sws) {
            upscale(screen, m.set.scale, m.bgr0.data(), c->width * 4);
            const uint8_t* src[1] = {m.bgr0.data()};
            int stride[1] = {c->width * 4};
            sws_scale(m.sws, src, stride, 0, c->height, m.picture->data, m.picture->linesize);
        } else {
            upscale(screen, m.set.scale, m.picture->data[0], m.picture->linesize[0]);
        }
    }
    AVFrame* f = av_frame_clone(m.picture);
    if (!f)
        return "out of memory";
    f->pts = m.v.next++;
    std::string err = m.send(m.v, f);
    av_frame_free(&f);
    return err;
}

// Encodes `frames` sample frames from the FIFO as one audio frame.
std::string Encoder::Impl::sendaudio(int frames)
{
    AVFrame* f = av_frame_alloc();
    if (!f)
        return "out of memory";
    f->nb_samples = frames;
    f->format = a.ctx->sample_fmt;
    f->sample_rate = mixrate;
    av_channel_layout_copy(&f->ch_layout, &a.ctx->ch_layout);
    std::string err;
    if (av_frame_get_buffer(f, 0) < 0)
        err = "out of memory";
    else if (av_audio_fifo_read(fifo, reinterpret_cast<void**>(f->data), frames) != frames)
        err = "audio FIFO underrun";
    if (err.empty()) {
        f->pts = a.next;
        a.next += frames;
        err = send(a, f);
    }
    av_frame_free(&f);
    return err;
}

std::string Encoder::audio(const short* samples, int frames)
{
    Impl& m = *impl;
    if (frames > m.convcap) {
        if (m.conv)
            av_freep(&m.conv[0]);
        av_freep(&m.conv);
        if (av_samples_alloc_array_and_samples(&m.conv, nullptr, 2, frames, m.a.ctx->sample_fmt,
                                               0) < 0)
            return "out of memory";
        m.convcap = frames;
    }
    const uint8_t* in[1] = {reinterpret_cast<const uint8_t*>(samples)};
    int n = swr_convert(m.swr, m.conv, frames, in, frames);
    if (n < 0 || av_audio_fifo_write(m.fifo, reinterpret_cast<void**>(m.conv), n) < n)
        return "cannot convert the mix";
    int size = m.a.ctx->frame_size > 0 ? m.a.ctx->frame_size : 1024;
    while (av_audio_fifo_size(m.fifo) >= size) {
        std::string err = m.sendaudio(size);
        if (!err.empty())
            return err;
    }
    return "";
}

std::string Encoder::finish()
{
    Impl& m = *impl;
    std::string err;
    // The last audio frame may be short: both audio encoders take that.
    if (av_audio_fifo_size(m.fifo) > 0)
        err = m.sendaudio(av_audio_fifo_size(m.fifo));
    if (err.empty())
        err = m.send(m.v, nullptr);
    if (err.empty())
        err = m.send(m.a, nullptr);
    if (err.empty()) {
        int e = av_write_trailer(m.oc);
        if (e < 0)
            err = std::string("cannot finish the video file: ") + averror(e);
    }
    int e = avio_closep(&m.oc->pb);
    if (err.empty() && e < 0)
        err = std::string("cannot close the video file: ") + averror(e);
    return err;
}

// Every failure is reported in one line of our own.
Encoder::Encoder() : impl(std::make_unique<Impl>()) { av_log_set_level(AV_LOG_QUIET); }
Encoder::~Encoder() = default;
