<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>sa</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>Anladım</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>sn</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Sistem hatası</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Otomatik algıla</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Lütfen ağ bağlantınızı kontrol edin</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Fare ayarları</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Akıllı ayarlar</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Yazılım ayarları</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Kişiselleştirme</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Akıllı kalem ayarları</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Ana pencereyi aç</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Başlangıç rehberi</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>İzinler</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>Cihaz algılanmadı</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Alıcıyı bilgisayarın USB bağlantı noktasına takın veya fareyi Bluetooth ile bağlayın</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>Cihaz bağlandığında ayarlar kendiliğinden açılır</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Pil zayıf, lütfen şarj edin</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Arayüz dili</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Oturum açılışında başlat</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Ayar uygulanamadı</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>Aşağıdakiler hangi özelliklerin çalışabileceğini belirler</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Cihaz erişimi</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Cihazı bağlamak, tuşlarını ve sesini almak için alıcının HID aygıt düğümlerini okuma ve yazma</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Programla gelen udev kuralını kurun, ardından alıcıyı yeniden takın:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Erişilebilirlik</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>Tanınan metni doğrudan giriş alanlarına yazmak için masaüstünün erişilebilirlik veri yolu (AT-SPI)</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>at-spi2-core paketini kurun, sistem ayarlarında erişilebilirliği açın ve yeniden oturum açın</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>X11 oturumu</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Genel kısayollar, taklit tuşlar, giriş izleme ve ekran görüntüleri X11 oturumu gerektirir</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Oturum açma ekranında X11 (Xorg) oturumunu seçin</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Sınırlı</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>Wayland oturumunda taklit tuşlar, genel kısayollar, giriş izleme ve ekran görüntüleri yalnızca XWayland pencerelerinde çalışır, yerel Wayland pencerelerinde çalışmaz; tüm işlevler için oturum açma ekranında X11 (Xorg) oturumunu seçin</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Verildi</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>Verilmedi</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>Alıcı bulunamadı</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Denetleniyor</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Komutu kopyala</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Kopyalandı</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Yeniden denetle</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Yardımcı ayarlar</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>Bazı ayarlar okunamadı ve varsayılanlara döndürüldü</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>Özgün ayar dosyası şu adla saklandı: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Kayıt başarısız, lütfen mikrofonu kontrol edin</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Çok hızlı basıldı</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Lütfen konuşun...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>Konuşma duyulmadı. Ses tuşuna basıp yeniden konuşun</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Yazma moduna geçildi</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Çeviri moduna geçildi</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>Sunucuya bağlanılamadı, lütfen ağı kontrol edin</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>Ses dosyası okunamadı</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>Yanıtın sesi oynatılamıyor</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Yapıştırılamadı</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>Çeviri başarısız</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>Sesli okunamıyor: konuşma motoru veya ses çıkış aygıtı yok</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>Ses çalınamıyor</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Tarayıcı açılamıyor</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>Seçili metin alınamadı</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Kopyalandı</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Kopyalanamadı</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Tanıma sonucu</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Seçimi çevir</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Kısayol</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Ekran görüntüsü çevirisi</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>Ekran görüntüsü kısayolu başka bir program tarafından kullanılıyor</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Kaydedilemedi</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Ekran görüntüsü alınamadı</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>Yapay zekâ penceresi açılamıyor</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Cihaz bağlı değil</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Açılamadı</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>%1% indirildi</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>İndirme tamamlandı</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Dışa aktarma tamamlandı</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>İndirme başarısız, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Dışa aktarma başarısız, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Esc başka bir program tarafından kullanılıyor; efekte tıklayın, ardından çıkmak için Esc'ye basın</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>Ekran okunamıyor</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Donanım lazeri</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Vurgula</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Dijital ışık noktası</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Büyüteç</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Kalem</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Ekran yansıtma moduna geçildi</translation>
    </message>
    <message>
        <source>倒计时和警告</source>
        <translation>Geri sayım ve uyarı</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 dakika</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 dakika</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 dakika</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Özel süre (dakika)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Ses tuşu işlevi</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Sesle yazma</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Sesli çeviri</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Sesli arama</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Mikrofon moduna geçildi</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Arama moduna geçildi</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Giriş ayarları</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Noktalama ile tanı</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Uyumlu yazma modu</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Uzun konuşma tanıma</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Giriş dili</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Sesli yazma kısayolu</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Sesli çeviri kısayolu</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Sesli arama kısayolu</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Çeviri ayarları</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Çeviri dilleri</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Sesli arama motoru</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Telefon/e-posta</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Şifre</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Bilgiler boş bırakılamaz</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Lütfen telefon numaranızı veya e-postanızı girin</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Lütfen şifreyi girin</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Şifreyi hatırla</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Şifremi unuttum</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Giriş yap</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Kaydol</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Giriş yapıldı</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Giriş başarısız</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Doğrulama kodu</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Şifreyi tekrar girin</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>&lt;&lt;Corvane Gizlilik Politikası&gt;&gt; ve &lt;&lt;Corvane Kullanıcı Hizmet Sözleşmesi&gt;&gt;'ni okudum ve kabul ediyorum</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Lütfen önce &lt;&lt;Corvane Gizlilik Politikası&gt;&gt; ve &lt;&lt;Corvane Kullanıcı Hizmet Sözleşmesi&gt;&gt;'ni okuyup kabul edin</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Lütfen doğrulama kodunu girin</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Lütfen şifreyi onaylayın</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Şifreler eşleşmiyor</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Doğrulama kodu alınamadı</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Kayıt başarısız</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Şifreyi sıfırla</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Şifre değiştirildi</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Şifre değiştirilemedi</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Kod gönder</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>sn sonra yeniden gönder</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Lütfen giriş yapın</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>Sorunuzu yazın</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Oluşturuluyor…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Bitiş tarihi</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Kullanıcı bilgileri alınamadı</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Komut sözcükleri</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Anahtar sözcükler</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Komut ekle</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>"%1" sesli komutu silinsin mi?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>Silindikten sonra sesli komut artık çalışmaz!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Silinemedi</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>Anahtar sözcük eklemek için tıklayın, her satıra bir tane</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Oluşturulamadı</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Özel komut ekle</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Klasör</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>Web sayfası</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Sabit metin</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Oluşturmadan önce formu doldurun</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>Komut sözcüğü zaten var</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>Dosya veya klasör bulunamadı</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Oluşturmadan önce formu yeniden doldurun</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Düzenlenemedi</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Ses dosyasının yolunu girin…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Gözat</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Varsayılan kayıt konumu: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Belgeler</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Farklı kaydet</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Dökümü başlat</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Döküm yapılıyor, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Sabit</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Nefes</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Kayan ışık</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Hız</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Parlaklık</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Düşük</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Yüksek</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Parlak</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>El</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Sol el</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Sağ el</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Düşük pil hatırlatıcısı</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>Cihazım</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Kayıtları otomatik sil</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Kayıt sırasında gösterge kapalı</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Pil:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Donanım yazılımı:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Sürüm </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Seri numarası:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>Yapay Zeka Faresi Hakkında</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Yazılım sürümü:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Donanım yazılımı sürümü:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Sürüm notları </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Sesle yazma, sesli çeviri, sesli arama, sesli kontrol
Kelime çevirisi, ekran görüntüsü tanıma, ekran görüntüsü çevirisi, tuş makroları</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>Cihazı güncelle</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>Alıcıyı güncelle</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Güncellemeyi iptal et</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>Güncellemeden sonra cihaz bağlanmazsa yeniden eşleştirin</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>En son sürüme sahipsiniz</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Güncelleme başarısız</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Güncelleme iptal edildi</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>Bir bellenim güncellemesi sürüyor. Çıkmak onu durdurur.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Güncellemeye devam et</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>İptal et ve çık</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Fare</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>Bilgisayar</translation>
    </message>
    <message>
        <source>公网</source>
        <translation>İnternet</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>一键检测</source>
        <translation>Şimdi denetle</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>Sürücüyü sıfırla</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Cihazınız ve ortamınız normal çalışıyor. Sorun yaşarsanız müşteri hizmetleriyle iletişime geçin</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>Cihazınızda veya ortamınızda bir sorun var. Sorun yaşarsanız müşteri hizmetleriyle iletişime geçin</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>Sesi yazıya dök</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Döküm kayıtları</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>Kişisel sözlüğüm</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>Yükleme geçmişi</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Takma ad</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Şifre değiştir</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Kalan dakika:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Mevcut şifreyi girin</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Yeni şifreyi girin</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Yeni şifreyi tekrar girin</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Kodla giriş</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Şifreyle giriş</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Telefon numarası</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Telefon numarasını girin</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Kod al</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Kodu girin</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Şifreyi girin</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Tara</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>ve giriş yap</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>AI yaratıcılığına gir</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>Tuş işlevlerini sıfırla</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>Ayarlar kaydedilemiyor; değişiklikler bir sonraki başlatmada kaybolacak</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>Yazılamıyor: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>Sesli komut veritabanı başka bir program tarafından kullanılıyor; komutlar daha sonra kaydedilecek</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>Sesli komut veritabanı bozuktu ve yeniden oluşturuldu</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>Eski dosya şu adla saklandı: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Tanınıyor…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>Kullanılabilir bir ana klasör yok: ayarlar ve kayıtlar kaydedilmeyecek</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>root olarak çalışırken yapay zeka penceresi açılamaz</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>Parola hatırlanamadı: kullanılabilir anahtarlık hizmeti yok</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>Parola hatırlanamadı: anahtarlık parolayı kaydetmedi</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>Donanım yazılımı indirilemedi; bir sonraki denetimde yeniden denenecek</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>Bu dili okuyan bir ses yok; varsayılan ses okudu</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>Özgün ayar dosyası kopyalanamadı; okunamayan ayarlar şimdilik şurada kalıyor: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>Sesli komut veritabanı kullanılamıyor; komutlar yalnızca bu oturum için saklanır</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>Veritabanı dosyası olduğu gibi bırakıldı. Neden: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>Tuş işlevleri yüklenemedi; cihaz bir sonraki bağlandığında veya bu sayfa açıldığında yeniden alınacak</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>Metin tanınmadı</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>Akıllı Kalem Hakkında</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>Seri no: %1         Yazılım sürümü: %2         Donanım yazılımı sürümü: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Güncelleme başarılı</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Komut ekle</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Bitiş tarihi: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Geri</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>Bu cihazın yapay zeka sohbet sayfası henüz kullanılamıyor. Sorularınız burada saklanır; lütfen ağ bağlantınızı kontrol edin.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>Bu cihazın yapay zeka sohbet sayfası henüz kullanılamıyor. Sorularınız burada saklanır; lütfen cihazı bağlayın ve ağ bağlantınızı kontrol edin.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>Yapay zeka asistanı</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>Yapay zekâ ile yazma</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Kayıt başarısız</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Konuşma tanıma başarısız</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>Donanım yazılımı dosyası geçersiz; bu sürüm yeniden indirilmeyecek</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>Program, diğer oturumlarınızdan birinde zaten çalışıyor. Onu orada kullanın veya önce orada kapatın.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>Program zaten çalışıyor ancak yanıt vermiyor. Kapatın, ardından yeniden başlatın.</translation>
    </message>
</context>
</TS>
